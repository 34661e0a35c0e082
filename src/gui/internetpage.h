// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QCheckBox;
class QFormLayout;
class QGroupBox;
class QLineEdit;

namespace vendrilo::gui {

class Session;

// The "Internet-Optionen" tab: the update server's address, the proxy, the price of a row and the
// Lotto Plus surcharge, the link page flag and the links to lottery pages.
class InternetPage : public QWidget {
    Q_OBJECT
public:
    InternetPage(Session& session, QWidget* parent);

private:
    QLineEdit* addField(const char* labelName, const char* name, const QString& caption,
                        const QString& hint);
    void addTicketOptions();
    void takeTicketOptions();
    void addLinks();
    void takeServer();
    void showOptions();

    Session& m_session;
    QFormLayout* m_form = nullptr;
    QLineEdit* m_server = nullptr;
    QLineEdit* m_proxyHost = nullptr;
    QLineEdit* m_proxyPort = nullptr;
    QLineEdit* m_rowPrice = nullptr;
    QLineEdit* m_plusSurcharge = nullptr;
    QCheckBox* m_linkPage = nullptr;
    QGroupBox* m_superzahl = nullptr;
    QGroupBox* m_extraGames = nullptr;
};

} // namespace vendrilo::gui
