#include <orvkit/framework/OrvkitControl.h>

#include <QAction>
#include <QCoreApplication>

namespace orv::detail {

namespace {

// Qt's edits name their standard actions in some versions and not in others; their
// captions, translated as Qt translates them, identify them either way.
bool IsEditAction(const QAction& action, const char* objectName, const char* caption)
{
    if (action.objectName() == QLatin1StringView(objectName))
        return true;
    const QString text = action.text().section(u'\t', 0, 0);
    return text == QCoreApplication::translate("QLineEdit", caption) ||
           text == QCoreApplication::translate("QWidgetTextControl", caption);
}

} // namespace

bool RouteEditActions(QMenu& menu, const std::function<void()>& paste, const std::function<void()>& cut)
{
    bool routed = false;
    for (QAction* action : menu.actions()) {
        const std::function<void()>* handler = IsEditAction(*action, "edit-paste", "&Paste") ? &paste
                                             : IsEditAction(*action, "edit-cut", "Cu&t")     ? &cut
                                                                                             : nullptr;
        if (!handler)
            continue;
        QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
        QObject::connect(action, &QAction::triggered, &menu, [h = *handler] { h(); });
        routed = true;
    }
    return routed;
}

bool IsControlFocusChange(Qt::FocusReason reason)
{
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

} // namespace orv::detail
