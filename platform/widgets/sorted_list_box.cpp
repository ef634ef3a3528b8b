#include "platform/widgets/sorted_list_box.h"

#include <QStyledItemDelegate>

namespace ledgerleaf {

namespace {

constexpr int kValueRole = Qt::UserRole + 1;

// One pixel of extra space between lines.
class SpacedLinesDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.rheight() += 1;
        return size;
    }
};

}  // namespace

SortedListBox::SortedListBox(QWidget* parent) : QListWidget(parent) {
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new SpacedLinesDelegate(this));
    setSortingEnabled(true);
    // A choice is a selection made by the user, with the mouse or the keyboard; the current
    // row that Qt sets on focus without selecting does not count.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = selectedItems();
        if (chosen.size() == 1)
            emit itemChosen(row(chosen.front()));
    });
}

void SortedListBox::addItemWithValue(const QString& text, int value) {
    auto* item = new QListWidgetItem(text);
    item->setData(kValueRole, value);
    addItem(item);
}

void SortedListBox::addPlainItem(const QString& text) {
    addItem(new QListWidgetItem(text));
}

std::optional<int> SortedListBox::valueAt(int row) const {
    const QListWidgetItem* it = item(row);
    if (!it)
        return std::nullopt;
    const QVariant v = it->data(kValueRole);
    if (!v.isValid())
        return std::nullopt;
    return v.toInt();
}

QStringList SortedListBox::texts() const {
    QStringList out;
    for (int i = 0; i < count(); ++i)
        out << item(i)->text();
    return out;
}

}  // namespace ledgerleaf
