#include "widgets.h"

#include <QAbstractItemView>
#include <QAbstractListModel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTimerEvent>
#include <QWindow>

XWindowWidget::XWindowWidget() {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setMouseTracking(true);
}

int XWindowWidget::StartTimer(unsigned id, unsigned milliseconds) {
    if (auto it = byId_.find(id); it != byId_.end()) {
        killTimer(it->second);
        timers_.erase(it->second);
    }
    const int qtId = startTimer(static_cast<int>(milliseconds));
    if (qtId == 0) return 0;
    timers_[qtId] = id;
    byId_[id] = qtId;
    return qtId;
}

void XWindowWidget::timerEvent(QTimerEvent* event) {
    auto it = timers_.find(event->timerId());
    if (it == timers_.end()) return QWidget::timerEvent(event);
    XEventArgs args;
    args.flags = it->second;
    XFire(XElementOf(this), WM_TIMER, args);
}

Qt::Edges XWindowWidget::EdgesAt(const QPoint& p) const {
    constexpr int kGrip = 5;
    Qt::Edges edges;
    if (p.x() < kGrip) edges |= Qt::LeftEdge;
    if (p.x() >= width() - kGrip) edges |= Qt::RightEdge;
    if (p.y() < kGrip) edges |= Qt::TopEdge;
    if (p.y() >= height() - kGrip) edges |= Qt::BottomEdge;
    return edges;
}

void XWindowWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && windowHandle()) {
        const Qt::Edges edges = EdgesAt(event->position().toPoint());
        if (edges) {
            windowHandle()->startSystemResize(edges);
        } else {
            windowHandle()->startSystemMove();
        }
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void XWindowWidget::mouseMoveEvent(QMouseEvent* event) {
    const Qt::Edges e = EdgesAt(event->position().toPoint());
    if ((e & (Qt::LeftEdge | Qt::RightEdge)) && (e & (Qt::TopEdge | Qt::BottomEdge))) {
        setCursor((e == (Qt::LeftEdge | Qt::TopEdge) || e == (Qt::RightEdge | Qt::BottomEdge)) ? Qt::SizeFDiagCursor
                                                                                           : Qt::SizeBDiagCursor);
    } else if (e & (Qt::LeftEdge | Qt::RightEdge)) {
        setCursor(Qt::SizeHorCursor);
    } else if (e & (Qt::TopEdge | Qt::BottomEdge)) {
        setCursor(Qt::SizeVerCursor);
    } else {
        unsetCursor();
    }
    QWidget::mouseMoveEvent(event);
}

XToolbarWidget::XToolbarWidget(QWidget* parent) : QScrollArea(parent) {
    inner_ = new QWidget(this);
    inner_->setObjectName(QStringLiteral("toolbarRow"));
    row_ = new QHBoxLayout(inner_);
    row_->setContentsMargins(2, 0, 2, 0);
    row_->setSpacing(0);
    row_->addStretch(1);
    radios_ = new QButtonGroup(this);
    radios_->setExclusive(true);
    setWidget(inner_);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    horizontalScrollBar()->setFixedHeight(6);
}

namespace {

constexpr int kLineRole = Qt::UserRole + 1;

// Rows of the combobox: the first template field in the closed box, every
// field side by side in the open list.
class ComboModel : public QAbstractListModel {
public:
    explicit ComboModel(XComboElement* combo) : combo_(combo) {}
    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() || !XIsLive(combo_) || !combo_->adapter ? 0 : combo_->adapter->RowCount();
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!XIsLive(combo_) || !combo_->adapter || !index.isValid()) return {};
        const XTableAdapter* a = combo_->adapter;
        if (role == Qt::DisplayRole) {
            return XQ(combo_->fields.empty() ? a->Get(index.row(), 0) : a->Get(index.row(), combo_->fields[0]));
        }
        if (role == kLineRole) {
            QStringList parts;
            if (combo_->fields.empty()) {
                for (size_t c = 0; c < a->columns.size(); ++c) parts << XQ(a->Get(index.row(), static_cast<int>(c)));
            } else {
                for (const auto& f : combo_->fields) parts << XQ(a->Get(index.row(), f));
            }
            return parts.join(QStringLiteral("    "));
        }
        return {};
    }
    void Reset() {
        beginResetModel();
        endResetModel();
    }

private:
    XComboElement* combo_;
};

class LineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text = index.data(kLineRole).toString();
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        return QSize(s.width(), std::max(s.height(), 30));
    }
};

class ComboEventFilter : public QObject {
public:
    explicit ComboEventFilter(XComboElement* combo) : combo_(combo) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (!XIsLive(combo_)) return false;
        const bool up = event->type() == QEvent::MouseButtonRelease;
        const bool down = event->type() == QEvent::MouseButtonPress;
        if (!up && !down) return false;
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() != Qt::LeftButton) return false;
        XEventArgs args;
        args.element = combo_;
        args.point = {static_cast<int>(me->position().x()), static_cast<int>(me->position().y())};
        return XFire(combo_, up ? XE_LBUTTONUP : XE_LBUTTONDOWN, args);
    }

private:
    XComboElement* combo_;
};

}  // namespace

XComboElement::~XComboElement() {
    if (adapter) UnbindTable(adapter, this);
}

XComboElement* CreateComboElement(QWidget* parent, XElement* parentElement) {
    auto* box = new QComboBox(parent);
    auto* combo = new XComboElement(box);
    XAttach(combo, parentElement);
    auto* model = new ComboModel(combo);
    model->setParent(box);
    box->setModel(model);
    box->setItemDelegate(new LineDelegate(box));
    box->view()->setItemDelegate(new LineDelegate(box->view()));
    box->setCurrentIndex(-1);
    box->installEventFilter(new ComboEventFilter(combo));
    QObject::connect(box, qOverload<int>(&QComboBox::activated), box, [combo](int index) {
        XEventArgs args;
        args.element = combo;
        args.value = index;
        XFire(combo, XE_COMBOBOX_SELECT, args);
    });
    return combo;
}

void BindComboAdapter(XComboElement* combo, XTableAdapter* adapter) {
    auto* model = static_cast<ComboModel*>(combo->combo()->model());
    if (combo->adapter) UnbindTable(combo->adapter, combo);
    combo->adapter = adapter;
    if (adapter) {
        // The closed box shows nothing until the user chooses.
        BindTable(adapter, combo, [combo, model] {
            const int current = combo->combo()->currentIndex();
            model->Reset();
            combo->combo()->setCurrentIndex(current < model->rowCount() ? current : -1);
        });
    }
    model->Reset();
    combo->combo()->setCurrentIndex(-1);
}
