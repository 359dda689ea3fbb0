// The list view and its adapters.
#include "xc_list.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QXmlStreamReader>

#include "internal/adapters.h"
#include "internal/list_view.h"

namespace {

XListElement* List(HELE h) { return static_cast<XListElement*>(XAsElement(h, XKind::List)); }
XTableAdapter* Table(HADAPTER h) { return XAs<XTableAdapter>(h, XKind::AdapterTable); }
XMapAdapter* Map(HADAPTER h) { return XAs<XMapAdapter>(h, XKind::AdapterMap); }

Qt::Alignment ParseAlign(const QStringView text) {
    if (text == u"left") return Qt::AlignLeft | Qt::AlignVCenter;
    if (text == u"right") return Qt::AlignRight | Qt::AlignVCenter;
    return Qt::AlignCenter;
}

}  // namespace

bool XList_SetItemTemplateXMLFromString(HELE list, std::string_view utf8Xml) {
    XListElement* l = List(list);
    if (!l) return false;
    QXmlStreamReader xml(QByteArray(utf8Xml.data(), static_cast<qsizetype>(utf8Xml.size())));
    std::vector<XTemplateCell> header, item;
    int headerHeight = l->headerHeight, itemHeight = l->itemHeight;
    std::vector<XTemplateCell>* current = nullptr;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto a = xml.attributes();
        if (xml.name() == u"header") {
            current = &header;
            if (a.hasAttribute("height")) headerHeight = a.value("height").toInt();
        } else if (xml.name() == u"item") {
            current = &item;
            if (a.hasAttribute("height")) itemHeight = a.value("height").toInt();
        } else if (xml.name() == u"cell" && current) {
            current->push_back({XU(a.value("field").toString()), ParseAlign(a.value("align"))});
        }
    }
    if (xml.hasError() || item.empty()) return false;
    l->headerCells = std::move(header);
    l->itemCells = std::move(item);
    l->headerHeight = headerHeight;
    l->itemHeight = itemHeight;
    l->view()->verticalHeader()->setDefaultSectionSize(itemHeight);
    l->view()->horizontalHeader()->setFixedHeight(headerHeight);
    l->model->ResetNow();
    return true;
}

void XList_DeleteColumnAll(HELE list) {
    if (XListElement* l = List(list)) {
        l->widths.clear();
        l->model->ResetNow();
    }
}

int XList_AddColumn(HELE list, int width) {
    XListElement* l = List(list);
    if (!l) return -1;
    l->widths.push_back(width);
    l->model->MarkDirty();
    return static_cast<int>(l->widths.size()) - 1;
}

void XList_BindAdapter(HELE list, HADAPTER adapter) {
    if (XListElement* l = List(list)) l->Bind(Table(adapter));
}

void XList_BindAdapterHeader(HELE list, HADAPTER adapter) {
    if (XListElement* l = List(list)) l->BindHeader(Map(adapter));
}

HADAPTER XList_GetAdapter(HELE list) {
    XListElement* l = List(list);
    return l && XIsLive(l->adapter) ? l->adapter : nullptr;
}

HADAPTER XList_GetAdapterHeader(HELE list) {
    XListElement* l = List(list);
    return l && XIsLive(l->header) ? l->header : nullptr;
}

int XList_GetColumnCount(HELE list) {
    XListElement* l = List(list);
    return l ? static_cast<int>(l->widths.size()) : 0;
}

int XList_GetSelectItem(HELE list) {
    XListElement* l = List(list);
    if (!l) return -1;
    l->model->Flush();
    const QModelIndexList rows = l->view()->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void XList_SetSelectItem(HELE list, int row) {
    XListElement* l = List(list);
    if (!l) return;
    l->model->Flush();
    if (row < 0) {
        l->view()->clearSelection();
    } else {
        l->view()->selectRow(row);
    }
}

std::u16string XList_GetItemText(HELE list, int row, int column) {
    XListElement* l = List(list);
    if (!l || !l->adapter || column < 0 || column >= static_cast<int>(l->widths.size())) return {};
    return l->adapter->Get(row, l->FieldOf(column));
}

std::u16string XList_GetHeaderText(HELE list, int column) {
    XListElement* l = List(list);
    if (!l || !l->header || column < 0 || column >= static_cast<int>(l->widths.size())) return {};
    return l->header->Get(l->FieldOf(column));
}

int XList_GetRowCount(HELE list) {
    XListElement* l = List(list);
    return l && l->adapter ? l->adapter->RowCount() : 0;
}

void XList_SetEmptyText(HELE list, std::u16string_view text) {
    XListElement* l = List(list);
    if (!l) return;
    l->emptyText = XQ(text);
    l->view()->viewport()->update();
}

std::u16string XList_GetEmptyText(HELE list) {
    XListElement* l = List(list);
    return l ? XU(l->emptyText) : std::u16string();
}

HADAPTER XAdTable_Create() {
    auto* a = new XTableAdapter();
    XRegister(a);
    return a;
}

int XAdTable_AddColumn(HADAPTER adapter, std::u16string_view name) {
    XTableAdapter* a = Table(adapter);
    return a ? a->AddColumn(name) : -1;
}

int XAdTable_AddItemText(HADAPTER adapter, std::u16string_view text) {
    XTableAdapter* a = Table(adapter);
    return a ? a->AddRow(0, text) : -1;
}

int XAdTable_AddItemTextEx(HADAPTER adapter, std::u16string_view column, std::u16string_view text) {
    XTableAdapter* a = Table(adapter);
    return a ? a->AddRow(a->Column(column), text) : -1;
}

bool XAdTable_SetItemTextEx(HADAPTER adapter, int row, std::u16string_view column, std::u16string_view text) {
    XTableAdapter* a = Table(adapter);
    return a && a->Set(row, a->Column(column), text);
}

std::u16string XAdTable_GetItemTextEx(HADAPTER adapter, int row, std::u16string_view column) {
    XTableAdapter* a = Table(adapter);
    return a ? a->Get(row, column) : std::u16string();
}

int XAdTable_GetCount(HADAPTER adapter) {
    XTableAdapter* a = Table(adapter);
    return a ? a->RowCount() : 0;
}

HADAPTER XAdMap_Create() {
    auto* a = new XMapAdapter();
    XRegister(a);
    return a;
}

bool XAdMap_AddItemText(HADAPTER adapter, std::u16string_view key, std::u16string_view text) {
    XMapAdapter* a = Map(adapter);
    return a && a->Add(key, text);
}

bool XAdMap_SetItemText(HADAPTER adapter, std::u16string_view key, std::u16string_view text) {
    XMapAdapter* a = Map(adapter);
    return a && a->Set(key, text);
}

std::u16string XAdMap_GetItemText(HADAPTER adapter, std::u16string_view key) {
    XMapAdapter* a = Map(adapter);
    return a ? a->Get(key) : std::u16string();
}
