#include "rowsweep/ui/layout.h"

#include <algorithm>
#include <vector>

#include <QHash>
#include <QWidget>

namespace rowsweep::ui {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString elementName(std::string_view array, int index)
{
    return QStringLiteral("%1(%2)").arg(toQString(array)).arg(index);
}

namespace {

struct TabStop {
    int tabIndex;
    QString name;
};

std::vector<TabStop> collectTabStops(std::span<const ControlSpec> controls, std::span<const TabRun> elements)
{
    std::vector<TabStop> stops;
    for (const ControlSpec& control : controls)
        if (control.tabIndex != kNoTabIndex)
            stops.push_back({control.tabIndex, toQString(control.name)});
    for (const TabRun& run : elements) {
        const int step = run.last >= run.first ? 1 : -1;
        int tabIndex = run.firstTabIndex;
        for (int index = run.first;; index += step) {
            stops.push_back({tabIndex++, elementName(run.array, index)});
            if (index == run.last)
                break;
        }
    }
    std::sort(stops.begin(), stops.end(),
              [](const TabStop& a, const TabStop& b) { return a.tabIndex < b.tabIndex; });
    return stops;
}

}  // namespace

void applyTabOrder(QWidget& window, std::span<const ControlSpec> controls, std::span<const TabRun> elements)
{
    // One walk over the window instead of a search for every stop.
    QHash<QString, QWidget*> byName;
    for (QWidget* child : window.findChildren<QWidget*>())
        byName.insert(child->objectName(), child);

    QWidget* previous = nullptr;
    for (const TabStop& stop : collectTabStops(controls, elements)) {
        QWidget* widget = byName.value(stop.name);
        Q_ASSERT_X(widget != nullptr, "applyTabOrder", qPrintable(stop.name));
        if (widget == nullptr || widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous != nullptr)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

}  // namespace rowsweep::ui
