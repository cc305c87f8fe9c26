#include "dialogs/windowtrace.h"

#include "platform/trace.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <vector>

namespace porimogu {

namespace {

QString NameOf(const QWidget* w)
{
    if (!w->objectName().isEmpty())
        return w->objectName();
    QString name = QString::fromLatin1(w->metaObject()->className());
    return name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
}

class WindowTracer : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Expose:
            if (auto* handle = qobject_cast<QWindow*>(object); handle && handle->isExposed())
                Exposed(handle);
            break;
        case QEvent::Hide:
            if (auto* w = TopLevel(object))
                Hidden(w);
            break;
        case QEvent::WindowActivate:
            if (auto* w = TopLevel(object))
                Trace("window", NameOf(w) + QStringLiteral(" active"));
            break;
        default:
            break;
        }
        return false;
    }

private:
    static QWidget* TopLevel(QObject* object)
    {
        auto* w = object->isWidgetType() ? static_cast<QWidget*>(object) : nullptr;
        return w && w->isWindow() ? w : nullptr;
    }

    // A window is "shown" the first time it is exposed after it was hidden.
    void Exposed(QWindow* handle)
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->windowHandle() != handle || !w->isVisible())
                continue;
            for (const QPointer<QWidget>& s : shown_)
                if (s == w)
                    return;
            shown_.emplace_back(w);
            Trace("window", QStringLiteral("%1 shown %2x%3 %4")
                                .arg(NameOf(w)).arg(w->width()).arg(w->height()).arg(w->windowTitle())
                                .trimmed());
            return;
        }
    }

    void Hidden(QWidget* w)
    {
        std::erase_if(shown_, [](const QPointer<QWidget>& s) { return s.isNull(); });
        if (std::erase_if(shown_, [w](const QPointer<QWidget>& s) { return s == w; }) > 0)
            Trace("window", NameOf(w) + QStringLiteral(" hidden"));
    }

    std::vector<QPointer<QWidget>> shown_;
};

} // namespace

void TraceWindows()
{
    if (Tracing() && qApp)
        qApp->installEventFilter(new WindowTracer(qApp));
}

} // namespace porimogu
