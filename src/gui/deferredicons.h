// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace vendrilo::gui {

// The style the window is drawn in, with the style's own icons loaded when first drawn. Qt's
// first icon image makes it load every image-format plugin it has; the menu bar asks for its
// overflow arrow when it is made, so without this the window's first paint would wait for all of
// them, though the arrow shows only when the menu bar is too narrow. Everything else is the
// platform's style.
class DeferredIconStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace vendrilo::gui
