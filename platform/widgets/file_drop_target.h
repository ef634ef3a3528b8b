#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace ledgerleaf {

// Makes a control accept files dropped on it. One drop gives one event: the dropped file's full
// path, or for several files every path followed by a line break ("\r\n").
class FileDropTarget : public QObject {
    Q_OBJECT
  public:
    FileDropTarget(const QString& name, QObject* parent = nullptr);

    // Starts accepting drops on `control`; false when the control cannot take them.
    bool registerOn(QWidget* control);
    QWidget* control() const { return control_; }

  signals:
    void filesDropped(const QString& paths);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* control_ = nullptr;
};

}  // namespace ledgerleaf
