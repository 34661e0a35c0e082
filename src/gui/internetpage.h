#pragma once

#include <QWidget>

namespace vendrilo::gui {

// The "Internet-Optionen" tab; its fields come with the online update.
class InternetPage : public QWidget {
    Q_OBJECT
public:
    explicit InternetPage(QWidget* parent) : QWidget(parent) {}
};

} // namespace vendrilo::gui
