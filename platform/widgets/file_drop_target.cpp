#include "platform/widgets/file_drop_target.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace ledgerleaf {

namespace {

bool carriesFiles(const QMimeData* mime) {
    if (!mime || !mime->hasUrls())
        return false;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile())
            return true;
    return false;
}

}  // namespace

FileDropTarget::FileDropTarget(const QString& name, QObject* parent) : QObject(parent) {
    setObjectName(name);
}

bool FileDropTarget::registerOn(QWidget* control) {
    if (!control || control_)
        return false;
    control_ = control;
    control->setAcceptDrops(true);
    control->installEventFilter(this);
    return true;
}

bool FileDropTarget::eventFilter(QObject* watched, QEvent* event) {
    if (watched != control_)
        return false;
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDropEvent*>(event);
            if (carriesFiles(drag->mimeData())) {
                drag->acceptProposedAction();
                return true;
            }
            return false;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (!carriesFiles(drop->mimeData()))
                return false;
            QStringList paths;
            for (const QUrl& url : drop->mimeData()->urls())
                if (url.isLocalFile())
                    paths << QDir::toNativeSeparators(url.toLocalFile());
            // One file gives its path; several give every path followed by a line break.
            QString text = paths.front();
            if (paths.size() > 1)
                text = paths.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
            drop->acceptProposedAction();
            emit filesDropped(text);
            return true;
        }
        default:
            return false;
    }
}

}  // namespace ledgerleaf
