// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/internetpage.h"

#include "core/texts/textlist.h"
#include "gui/controls.h"
#include "gui/session.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace vendrilo::gui {

namespace {

// The link labels: each opens its caption as a web address.
constexpr struct {
    Control id;
    const char* caption;
} kLinks[] = {
    {Control::LottoPlLink, "www.lotto.pl"},
    {Control::LottolandLink, "www.lottoland.com"},
    {Control::DoviduveLink, "www.doviduve.de"},
    {Control::VendorLink, "www.quirlend.de"},
    {Control::LottoPlResultsLink, "www.lotto.pl/lotto/wyniki-i-wygrane"},
    {Control::MultipaskoLink, "www.multipasko.pl"},
    {Control::LottoDeLink, "www.lotto.de"},
};

} // namespace

InternetPage::InternetPage(Session& session, QWidget* parent) : QWidget(parent), m_session(session)
{
    auto* outer = new QVBoxLayout(this);
    m_form = new QFormLayout;
    m_form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    outer->addLayout(m_form);
    m_server = addField("ServerLabel", "ServerEdit", QStringLiteral("Update-Server:"),
                        QStringLiteral("Adresse des Servers für die Ziehungen und den Warenkorb, "
                                       "z. B. http://127.0.0.1:8080"));
    m_server->setPlaceholderText(QStringLiteral("http://…"));
    m_server->setMinimumWidth(320);
    connect(m_server, &QLineEdit::editingFinished, this, &InternetPage::takeServer);
    m_proxyHost = addField("ProxyHostLabel", "ProxyHostEdit", QStringLiteral("Proxy:"),
                           QStringLiteral("Leer lassen, wenn kein Proxy verwendet wird"));
    m_proxyHost->setMinimumWidth(240);
    m_proxyPort = addField("ProxyPortLabel", "ProxyPortEdit", QStringLiteral("Port:"), {});
    // What a ticket costs: the price of a row and what a row played with Lotto Plus costs more.
    m_rowPrice = addField("FeeOneDrawLabel", controlEntry(Control::RowPrice).objectName,
                          QStringLiteral("Preis einer Reihe (zł):"), {});
    m_plusSurcharge = addField("FeeBothDrawsLabel", controlEntry(Control::PlusSurcharge).objectName,
                               QStringLiteral("Aufpreis Lotto Plus je Reihe (zł):"), {});
    const std::pair<QLineEdit*, QString InternetOptions::*> typed[] = {
        {m_proxyHost, &InternetOptions::proxyHost},
        {m_proxyPort, &InternetOptions::proxyPort},
        {m_rowPrice, &InternetOptions::rowPrice},
        {m_plusSurcharge, &InternetOptions::plusSurcharge}};
    for (const auto& [edit, field] : typed)
        connect(edit, &QLineEdit::textChanged, this,
                [this, field = field](const QString& t) { m_session.setInternetText(field, t); });
    m_linkPage = new QCheckBox(QStringLiteral("Linkseite aktivieren"), this);
    m_linkPage->setObjectName(controlName(Control::LinkPage));
    connect(m_linkPage, &QCheckBox::toggled, &m_session, &Session::setLinkPage);
    m_form->addRow(m_linkPage);
    addTicketOptions();
    addLinks();
    outer->addStretch(1);
    connect(&m_session, &Session::internetChanged, this, &InternetPage::showOptions);
    showOptions();
}

QLineEdit* InternetPage::addField(const char* labelName, const char* name, const QString& caption,
                                  const QString& hint)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setToolTip(hint);
    QLabel* label = namedLabel(this, labelName, caption);
    label->setBuddy(edit);
    m_form->addRow(label, edit);
    return edit;
}

// The ticket's extra games: carried to the next run, for the print-out of the slip.
void InternetPage::addTicketOptions()
{
    auto* row = new QHBoxLayout;
    m_superzahl = radioGroup(
        this, Control::SuperzahlChoice, QStringLiteral("Superzahl Option"),
        {QStringLiteral("Superzahl aus der Losnummer"), QStringLiteral("Superzahl selbst wählen")});
    m_extraGames =
        radioGroup(this, Control::ExtraGamesChoice, QStringLiteral("Super6 und Spiel77 Option"),
                   {QStringLiteral("Keine"), QStringLiteral("Spiel 77"), QStringLiteral("Super 6"),
                    QStringLiteral("Spiel 77 und Super 6")});
    for (QGroupBox* group : {m_superzahl, m_extraGames}) {
        row->addWidget(group);
        connect(radioButtonGroup(group), &QButtonGroup::idToggled, this,
                &InternetPage::takeTicketOptions);
    }
    row->addStretch(1);
    m_form->addRow(row);
}

void InternetPage::takeTicketOptions()
{
    m_session.setTicketOptions(checkedRadioIndex(m_superzahl), checkedRadioIndex(m_extraGames));
}

void InternetPage::addLinks()
{
    m_form->addRow(namedLabel(this, "LinksLabel", QStringLiteral("Seiten rund ums Lotto:")));
    for (const auto& link : kLinks) {
        QLabel* label = namedLabel(this, link.id, QString::fromLatin1(link.caption));
        QFont f = label->font();
        f.setUnderline(true);
        label->setFont(f);
        label->setStyleSheet(QStringLiteral("color: #0000C0"));
        const QString caption = label->text();
        connect(clicksOf(label), &ClickNotifier::clicked, this,
                [this, caption] { m_session.openLink(caption); });
        m_form->addRow(label);
    }
}

void InternetPage::takeServer()
{
    const QString typed = m_server->text().trimmed();
    // Only web addresses go out: anything else is put back to what the program holds.
    if (!typed.isEmpty() && !isWebAddress(typed)) {
        m_session.setStatusText(1, text(Text::OnlyWebAddresses));
        showOptions();
        return;
    }
    m_session.setServer(typed);
}

void InternetPage::showOptions()
{
    const InternetOptions& net = m_session.state().internet;
    const std::pair<QLineEdit*, QString> fields[] = {{m_server, net.server},
                                                     {m_proxyHost, net.proxyHost},
                                                     {m_proxyPort, net.proxyPort},
                                                     {m_rowPrice, net.rowPrice},
                                                     {m_plusSurcharge, net.plusSurcharge}};
    for (const auto& [edit, text] : fields) {
        // The field being typed in keeps its cursor: only a different value is written.
        if (edit->text() == text)
            continue;
        const QSignalBlocker quiet(edit);
        edit->setText(text);
    }
    const QSignalBlocker quiet(m_linkPage);
    m_linkPage->setChecked(net.linkPage);
    const CarriedValues& carried = m_session.state().carried;
    for (const auto& [group, index] : {std::pair{m_superzahl, carried.superzahlOption},
                                       std::pair{m_extraGames, carried.super6Spiel77Option}}) {
        const QSignalBlocker quietGroup(radioButtonGroup(group));
        checkRadio(group, index);
    }
}

} // namespace vendrilo::gui
