#pragma once

#include <QListWidget>
#include <optional>

namespace ledgerleaf {

// A list box that keeps its items in the order of their texts and lets each item carry an
// integer value. Items flow top to bottom in columns, with a horizontal scroll bar when they do
// not fit. An item added without a value carries none.
class SortedListBox : public QListWidget {
    Q_OBJECT
  public:
    explicit SortedListBox(QWidget* parent = nullptr);

    void addItemWithValue(const QString& text, int value);
    void addPlainItem(const QString& text);
    // The value of the item in row `row`, nothing for an item without one.
    std::optional<int> valueAt(int row) const;
    QStringList texts() const;

  signals:
    // The user chose the item in row `row` (click or keyboard).
    void itemChosen(int row);
};

}  // namespace ledgerleaf
