#pragma once

#include <QStringList>
#include <QWidget>

class QTabBar;

namespace ledgerleaf {

// A tab control whose pages cover the whole control: a child placed at (x, y) on a page stands
// at (x, y) of the control, the header row included, so controls can share the header row with
// the page tabs. The tab headers sit at the top left; the page frame is drawn below them.
class TabFolder : public QWidget {
    Q_OBJECT
  public:
    TabFolder(const QStringList& pageTitles, QWidget* parent = nullptr);

    QWidget* page(int index) const;
    int pageCount() const { return pages_.size(); }
    int currentIndex() const;
    void setCurrentIndex(int index);
    QTabBar* tabBar() const { return bar_; }

    // Height of the header row.
    static constexpr int kHeaderHeight = 20;

  signals:
    void currentChanged(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void showPage(int index);

    QTabBar* bar_;
    QList<QWidget*> pages_;
};

}  // namespace ledgerleaf
