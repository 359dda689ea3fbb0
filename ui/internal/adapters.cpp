#include "adapters.h"

#include <algorithm>

const std::u16string& EmptyText() {
    static const std::u16string empty;
    return empty;
}

XTableAdapter::~XTableAdapter() = default;
XMapAdapter::~XMapAdapter() = default;

int XTableAdapter::Column(std::u16string_view name) const {
    for (size_t i = 0; i < columns.size(); ++i) {
        if (columns[i] == name) return static_cast<int>(i);
    }
    return -1;
}

int XTableAdapter::AddColumn(std::u16string_view name) {
    if (int existing = Column(name); existing >= 0) return existing;
    columns.emplace_back(name);
    for (auto& row : rows) row.resize(columns.size());
    Changed();
    return static_cast<int>(columns.size()) - 1;
}

int XTableAdapter::AddRow(int column, std::u16string_view text) {
    if (column < 0 || column >= static_cast<int>(columns.size())) return -1;
    rows.emplace_back(columns.size());
    rows.back()[static_cast<size_t>(column)].assign(text);
    Changed();
    return static_cast<int>(rows.size()) - 1;
}

bool XTableAdapter::Set(int row, int column, std::u16string_view text) {
    if (row < 0 || row >= RowCount() || column < 0 || column >= static_cast<int>(columns.size())) return false;
    rows[static_cast<size_t>(row)][static_cast<size_t>(column)].assign(text);
    Changed();
    return true;
}

const std::u16string& XTableAdapter::Get(int row, int column) const {
    if (row < 0 || row >= RowCount() || column < 0 || column >= static_cast<int>(columns.size())) return EmptyText();
    return rows[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

const std::u16string& XTableAdapter::Get(int row, std::u16string_view column) const {
    return Get(row, Column(column));
}

void XTableAdapter::Changed() {
    for (auto& o : observers) o.second();
}

bool XMapAdapter::Add(std::u16string_view key, std::u16string_view text) {
    for (auto& item : items) {
        if (item.first == key) return false;
    }
    items.emplace_back(std::u16string(key), std::u16string(text));
    Changed();
    return true;
}

bool XMapAdapter::Set(std::u16string_view key, std::u16string_view text) {
    for (auto& item : items) {
        if (item.first == key) {
            item.second = std::u16string(text);
            Changed();
            return true;
        }
    }
    return false;
}

const std::u16string& XMapAdapter::Get(std::u16string_view key) const {
    for (const auto& item : items) {
        if (item.first == key) return item.second;
    }
    return EmptyText();
}

void XMapAdapter::Changed() {
    for (auto& o : observers) o.second();
}

namespace {
template <class A>
void Unbind(A* adapter, void* owner) {
    if (!XIsLive(adapter)) return;
    auto& obs = adapter->observers;
    obs.erase(std::remove_if(obs.begin(), obs.end(), [owner](const auto& o) { return o.first == owner; }), obs.end());
    if (--adapter->bindings <= 0) XRelease(adapter);
}
}  // namespace

void BindTable(XTableAdapter* adapter, void* owner, std::function<void()> onChange) {
    adapter->observers.emplace_back(owner, std::move(onChange));
    ++adapter->bindings;
}
void UnbindTable(XTableAdapter* adapter, void* owner) { Unbind(adapter, owner); }
void BindMap(XMapAdapter* adapter, void* owner, std::function<void()> onChange) {
    adapter->observers.emplace_back(owner, std::move(onChange));
    ++adapter->bindings;
}
void UnbindMap(XMapAdapter* adapter, void* owner) { Unbind(adapter, owner); }
