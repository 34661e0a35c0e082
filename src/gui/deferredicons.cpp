// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/deferredicons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

namespace vendrilo::gui {

namespace {

// An icon that is made by `make` the first time anything asks about it.
class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> make) : m_make(std::move(make)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("vendrilo.deferred"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon& icon()
    {
        if (!m_icon)
            m_icon = m_make();
        return *m_icon;
    }

    std::function<QIcon()> m_make;
    std::optional<QIcon> m_icon;
};

} // namespace

QIcon DeferredIconStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                      const QWidget* widget) const
{
    // An option lives only for the call; an icon asked for with one is made at once.
    if (option)
        return QProxyStyle::standardIcon(which, option, widget);
    const QPointer<const QWidget> asker(widget);
    const QPointer<const DeferredIconStyle> style(this);
    return QIcon(new DeferredIconEngine([style, which, asker]() -> QIcon {
        if (!style)
            return {};
        return style->QProxyStyle::standardIcon(which, nullptr, asker.data());
    }));
}

} // namespace vendrilo::gui
