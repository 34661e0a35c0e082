// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/settingsschema.h"

#include "core/sheet/sheetcontrols.h"

#include <iterator>
#include <optional>

namespace vendrilo {

namespace {

// The back-test's two check boxes that no window shows any more: the settings store keeps their
// values, which the program carries to the next run (CarriedValues::backTestBoxes, in this order).
constexpr struct {
    const char* controlName;
    const char* settingsName; // misspelt like every check box's value name
} kBackTestBoxes[] = {{"CheckBox32", "Chekcbox32"}, {"CheckBox33", "Chekcbox33"}};

std::optional<std::size_t> backTestBoxByName(const QString& controlName)
{
    for (std::size_t i = 0; i < std::size(kBackTestBoxes); ++i)
        if (controlName == QLatin1String(kBackTestBoxes[i].controlName))
            return i;
    return std::nullopt;
}

using Get = std::function<QVariant(const ProgramState&, const WindowSize&)>;
using Set = std::function<void(ProgramState&, WindowSize&, const QVariant&)>;

class SchemaBuilder {
public:
    std::vector<StoredSetting> settings;
    char group = 0;

    StoredSetting& add(const QString& name, StoredType type, int saveStep, Get get, Set set)
    {
        settings.push_back({name, type, group, saveStep, std::move(get), std::move(set)});
        return settings.back();
    }
    void rule(std::function<void(ProgramState&)> step)
    {
        StoredSetting r{{}, StoredType::Int, group, -1, {}, {}};
        r.rule = std::move(step);
        settings.push_back(std::move(r));
    }
    // A field of the state itself.
    template <typename Field>
    StoredSetting& direct(const QString& name, StoredType type, int saveStep,
                          Field ProgramState::*member)
    {
        return add(
            name, type, saveStep,
            [member](const ProgramState& s, const WindowSize&) {
                return QVariant::fromValue(s.*member);
            },
            [member](ProgramState& s, WindowSize&, const QVariant& v) {
                s.*member = v.value<Field>();
            });
    }
    // An integer or string field of the state, by member pointer.
    template <typename Owner, typename Field>
    StoredSetting& field(const QString& name, StoredType type, int saveStep,
                         Owner ProgramState::*owner, Field Owner::*member)
    {
        return add(
            name, type, saveStep,
            [owner, member](const ProgramState& s, const WindowSize&) {
                return QVariant::fromValue((s.*owner).*member);
            },
            [owner, member](ProgramState& s, WindowSize&, const QVariant& v) {
                (s.*owner).*member = v.value<Field>();
            });
    }
    void option(const OptionSpec& o, int saveStep)
    {
        const Option id = o.id;
        add(
            o.settingsName, o.kind == OptionSpec::Kind::Check ? StoredType::Bool : StoredType::Int,
            saveStep,
            [id](const ProgramState& s, const WindowSize&) { return s.options.value(id); },
            [id](ProgramState& s, WindowSize&, const QVariant& v) {
                s.options.set(id, v.toInt());
            });
    }
    void checkBoxes(int from, int to, int saveStep);
    void backTestBox(std::size_t i, int saveStep)
    {
        add(
            QString::fromLatin1(kBackTestBoxes[i].settingsName), StoredType::Bool, saveStep,
            [i](const ProgramState& s, const WindowSize&) { return s.carried.backTestBoxes[i]; },
            [i](ProgramState& s, WindowSize&, const QVariant& v) {
                s.carried.backTestBoxes[i] = v.toBool();
            });
    }
};

// The store keeps the check boxes in the order of their control numbers, which is all the
// numbers mean here: the options' boxes and the back-test's two.
void SchemaBuilder::checkBoxes(int from, int to, int saveStep)
{
    for (int n = from; n <= to; ++n) {
        const QString name = QStringLiteral("CheckBox%1").arg(n);
        if (const auto box = backTestBoxByName(name)) {
            backTestBox(*box, saveStep + n);
        } else if (const auto id = optionByName(name)) {
            option(optionSpec(*id), saveStep + n);
        }
    }
}

// The weekend and the other-day boxes both off select no draw at all: both go back on.
void bothDrawDaysWhenNone(ProgramState& s)
{
    if (!s.options.checked(Option::WeekendDraws) && !s.options.checked(Option::OtherDayDraws)) {
        s.options.set(Option::WeekendDraws, 1);
        s.options.set(Option::OtherDayDraws, 1);
    }
}

// Save order: the ticket, the check boxes, the size, the language and print places, the radio
// groups, the up-downs, the sheet, the fees, the link flag, the addresses, the statistics start,
// the carried integers, the print positions. Steps are spaced so that each block has room.
enum SaveBlock {
    kTicket = 0,
    kCheckBoxes = 100,
    kSize = 200,
    kLanguage = 300,
    kRadioGroups = 400,
    kUpDowns = 500,
    kSheet = 600,
    kFees = 800,
    kLinkFlag = 900,
    kAddresses = 1000,
    kStatisticsStart = 1100,
    kCarried = 1200,
    kPrintPositions = 1300,
    kGame = 1400,
};

// Group A: the check boxes (both draw-day boxes off become both on), the carried integers, the
// window's size and the print places.
void addGroupA(SchemaBuilder& b)
{
    b.group = 'A';
    b.checkBoxes(1, 17, kCheckBoxes);
    b.rule(bothDrawDaysWhenNone);
    b.checkBoxes(18, 20, kCheckBoxes);
    b.checkBoxes(22, 35, kCheckBoxes);
    b.field(QStringLiteral("Spiel77Ja"), StoredType::Int, kCarried + 1, &ProgramState::carried,
            &CarriedValues::spiel77);
    b.field(QStringLiteral("Super6Ja"), StoredType::Int, kCarried + 2, &ProgramState::carried,
            &CarriedValues::super6);
    b.field(QStringLiteral("GlueckJa"), StoredType::Int, kCarried + 3, &ProgramState::carried,
            &CarriedValues::luckyGame);
    b.field(QStringLiteral("Land"), StoredType::Int, kCarried, &ProgramState::carried,
            &CarriedValues::country);
    for (const bool height : {true, false}) {
        b.add(
            height ? QStringLiteral("height") : QStringLiteral("width"), StoredType::Int,
            kSize + (height ? 0 : 1),
            [height](const ProgramState&, const WindowSize& w) {
                // A maximised window keeps the size stored for its normal state.
                return w.normal ? QVariant(height ? w.height : w.width) : QVariant();
            },
            [height](ProgramState&, WindowSize& w, const QVariant& v) {
                (height ? w.height : w.width) = v.toInt();
            });
    }
    b.field(QStringLiteral("TippTop"), StoredType::Int, kLanguage + 1, &ProgramState::carried,
            &CarriedValues::printTop);
    b.field(QStringLiteral("TippLeft"), StoredType::Int, kLanguage + 2, &ProgramState::carried,
            &CarriedValues::printLeft);
}

// The save rank of a sheet field: fields 4..6 are saved after 7..9, as stored files have them.
int sheetFieldSaveStep(int editNumber)
{
    if (editNumber >= 4 && editNumber <= 6)
        return kSheet + editNumber + 3;
    if (editNumber >= 7 && editNumber <= 9)
        return kSheet + editNumber - 3;
    return kSheet + editNumber;
}

// Group B: the language, the up-downs and the sheet.
void addGroupB(SchemaBuilder& b)
{
    b.group = 'B';
    b.direct(QStringLiteral("Sprache"), StoredType::Int, kLanguage, &ProgramState::language);
    for (int n = 1; n <= 21; ++n)
        if (const auto id = optionByName(QStringLiteral("UpDown%1").arg(n)))
            b.option(optionSpec(*id), kUpDowns + n);
    for (int r = 1; r <= TipSheet::kRows; ++r) {
        for (int p = 1; p <= TipSheet::kPositions; ++p) {
            const QString name = sheetFieldName(r, p);
            b.add(
                name, StoredType::String, sheetFieldSaveStep(name.mid(4).toInt()),
                [r, p](const ProgramState& s, const WindowSize&) { return s.sheet.field(r, p); },
                [r, p](ProgramState& s, WindowSize&, const QVariant& v) {
                    s.sheet.setField(r, p, v.toString());
                })
                .sheet = true;
        }
    }
}

// The print positions (group C) and the fees (group D).
void addGroupsCAndD(SchemaBuilder& b)
{
    b.group = 'C';
    for (int i = 0; i < 23; ++i) {
        const auto k = static_cast<std::size_t>(i);
        b.add(
            QStringLiteral("Edit%1F8").arg(i + 1), StoredType::String, kPrintPositions + i,
            [k](const ProgramState& s, const WindowSize&) { return s.carried.printPositions[k]; },
            [k](ProgramState& s, WindowSize&, const QVariant& v) {
                s.carried.printPositions[k] = v.toString();
            });
    }
    b.field(QStringLiteral("RadioF8"), StoredType::Int, kPrintPositions + 23,
            &ProgramState::carried, &CarriedValues::printPositionChoice);
    b.group = 'D';
    // The names are older than the fields: once the fees of one and of two draws a week.
    b.field(QStringLiteral("ZWEIPREIS"), StoredType::String, kFees, &ProgramState::internet,
            &InternetOptions::rowPrice);
    b.field(QStringLiteral("EINPREIS"), StoredType::String, kFees + 1, &ProgramState::internet,
            &InternetOptions::plusSurcharge);
}

// The game shown (group F, by its name; an unknown name leaves Lotto) and the sheet's "with Plus".
void addGame(SchemaBuilder& b)
{
    b.group = 'F';
    b.add(
        QStringLiteral("Spiel"), StoredType::String, kGame,
        [](const ProgramState& s, const WindowSize&) {
            return QString::fromLatin1(gameInfo(s.game).name);
        },
        [](ProgramState& s, WindowSize&, const QVariant& v) {
            s.game = gameByName(v.toString()).value_or(Game::Lotto);
        });
    b.direct(QStringLiteral("MitPlus"), StoredType::Bool, kGame + 1, &ProgramState::withPlus);
}

// The ticket, the link flag (an older version stored a browser's path under its name), the
// addresses (group E) and the statistics start (unreadable: the earliest date).
void addTheRest(SchemaBuilder& b)
{
    b.group = 0;
    b.direct(QStringLiteral("Losnummer"), StoredType::String, kTicket + 1,
             &ProgramState::ticketNumber)
        .sheet = true;
    addGroupsCAndD(b);
    b.group = 0;
    b.field(QStringLiteral("Browser"), StoredType::Bool, kLinkFlag, &ProgramState::internet,
            &InternetOptions::linkPage)
        .onReadError = [](ProgramState& s, const QVariant& stored) {
        if (!stored.toString().isEmpty())
            s.internet.linkPage = false;
    };
    b.group = 'E';
    b.field(QStringLiteral("URLEdit"), StoredType::String, kAddresses, &ProgramState::carried,
            &CarriedValues::vendorAddress);
    b.field(QStringLiteral("ProxyHostEdit"), StoredType::String, kAddresses + 1,
            &ProgramState::internet, &InternetOptions::proxyHost);
    b.field(QStringLiteral("ProxyPortEdit"), StoredType::String, kAddresses + 2,
            &ProgramState::internet, &InternetOptions::proxyPort);
    b.field(QStringLiteral("Server"), StoredType::String, kAddresses + 3, &ProgramState::internet,
            &InternetOptions::server);
    b.group = 0;
    b.add(
         QStringLiteral("DateTimePicker2"), StoredType::Date, kStatisticsStart,
         [](const ProgramState& s, const WindowSize&) { return s.statisticsStart.date(); },
         [](ProgramState& s, WindowSize&, const QVariant& v) {
             s.statisticsStart.setDate(v.toDouble());
         })
        .onReadError = [](ProgramState& s, const QVariant&) {
        s.statisticsStart.setDate(kPickerMinDate);
    };
}

} // namespace

const std::vector<StoredSetting>& storedSettings()
{
    static const std::vector<StoredSetting> table = [] {
        SchemaBuilder b;
        b.field(QStringLiteral("NeuerSchein"), StoredType::Int, kTicket, &ProgramState::carried,
                &CarriedValues::newTicket);
        addGroupA(b);
        b.group = 0;
        b.field(QStringLiteral("RadioGroup1"), StoredType::Int, kRadioGroups,
                &ProgramState::carried, &CarriedValues::superzahlOption);
        b.field(QStringLiteral("RadioGroup2"), StoredType::Int, kRadioGroups + 1,
                &ProgramState::carried, &CarriedValues::super6Spiel77Option);
        addGroupB(b);
        addTheRest(b);
        addGame(b);
        return b.settings;
    }();
    return table;
}

} // namespace vendrilo
