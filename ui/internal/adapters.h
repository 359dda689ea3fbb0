// Adapter data: a table of texts under named columns, and a key-to-text map.
// Views bound to a table are told about changes once per burst of edits.
#pragma once
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "object.h"

struct XTableAdapter : XObject {
    XTableAdapter() : XObject(XKind::AdapterTable) {}
    ~XTableAdapter() override;

    int Column(std::u16string_view name) const;
    int AddColumn(std::u16string_view name);
    int AddRow(int column, std::u16string_view text);
    bool Set(int row, int column, std::u16string_view text);
    const std::u16string& Get(int row, int column) const;
    const std::u16string& Get(int row, std::u16string_view column) const;
    int RowCount() const { return static_cast<int>(rows.size()); }

    std::vector<std::u16string> columns;
    std::vector<std::vector<std::u16string>> rows;

    // Called after a change; observers coalesce the notices themselves.
    std::vector<std::pair<void*, std::function<void()>>> observers;
    int bindings = 0;  // released when the last view lets go
    void Changed();
};

struct XMapAdapter : XObject {
    XMapAdapter() : XObject(XKind::AdapterMap) {}
    ~XMapAdapter() override;
    bool Add(std::u16string_view key, std::u16string_view text);
    bool Set(std::u16string_view key, std::u16string_view text);
    const std::u16string& Get(std::u16string_view key) const;

    std::vector<std::pair<std::u16string, std::u16string>> items;
    std::vector<std::pair<void*, std::function<void()>>> observers;
    int bindings = 0;
    void Changed();
};

const std::u16string& EmptyText();

// Binding bookkeeping: the adapter goes away with its last binding.
void BindTable(XTableAdapter* adapter, void* owner, std::function<void()> onChange);
void UnbindTable(XTableAdapter* adapter, void* owner);
void BindMap(XMapAdapter* adapter, void* owner, std::function<void()> onChange);
void UnbindMap(XMapAdapter* adapter, void* owner);
