#include "rowsweep/ui/look/layout.h"

#include <algorithm>

#include <QByteArray>
#include <QCoreApplication>

namespace rowsweep::ui {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString captionText(std::string_view caption)
{
    if (caption.empty())
        return {};
    const QByteArray source(caption.data(), static_cast<qsizetype>(caption.size()));
    return QCoreApplication::translate(kCaptionContext, source.constData());
}

QString elementName(std::string_view array, int index)
{
    return QStringLiteral("%1(%2)").arg(toQString(array)).arg(index);
}

void chainTabOrder(std::vector<TabStop> stops)
{
    std::sort(stops.begin(), stops.end(), [](const TabStop& a, const TabStop& b) { return a.tabIndex < b.tabIndex; });
    QWidget* previous = nullptr;
    for (const TabStop& stop : stops) {
        if (stop.control->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous != nullptr)
            QWidget::setTabOrder(previous, stop.control);
        previous = stop.control;
    }
}

}  // namespace rowsweep::ui
