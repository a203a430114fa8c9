// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include "chart/chart_files.h"
#include "core/display_rules.h"

#include <QDate>
#include <QRegularExpression>
#include <array>
#include <map>

namespace zef {

namespace {

struct ParsedArguments {
    QStringList files;
    std::map<QString, QString> options; // by the name with its dashes
};

CommandLine wrongUsage(const QString& problem) {
    CommandLine line;
    line.kind = CommandKind::WrongUsage;
    line.problem = problem;
    return line;
}

// The commands that take files, with the options each allows.
const std::map<QString, std::pair<CommandKind, QStringList>>& commandTable() {
    static const std::map<QString, std::pair<CommandKind, QStringList>> table{
        {QStringLiteral("--import"),
         {CommandKind::Import, {QStringLiteral("--source"), QStringLiteral("--priority")}}},
        {QStringLiteral("--summary"), {CommandKind::Summary, {QStringLiteral("--mode")}}},
        {QStringLiteral("--print-pdf"), {CommandKind::PrintPdf, {}}},
        {QStringLiteral("--chart"), {CommandKind::Chart, {QStringLiteral("--mode")}}},
        {QStringLiteral("--lotw-sync"),
         {CommandKind::LotwSync,
          {QStringLiteral("--login"), QStringLiteral("--priority"), QStringLiteral("--since"),
           QStringLiteral("--password-file"), QStringLiteral("--timeout"),
           QStringLiteral("--max-time"), QStringLiteral("--own-call")}}},
        {QStringLiteral("--history"), {CommandKind::History, {}}},
        {QStringLiteral("--restore"), {CommandKind::Restore, {}}},
    };
    return table;
}

bool isCommand(const QString& name) {
    return commandTable().count(name) > 0 || name == QStringLiteral("--help") ||
           name == QStringLiteral("-h") || name == QStringLiteral("--version");
}

// Splits the arguments after `command` into its options ("--name value" or
// "--name=value", each at most once) and its file names; a problem otherwise.
std::optional<QString> splitArguments(const QString& command, const QStringList& arguments,
                                      const QStringList& allowed, ParsedArguments& parsed) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(u'-')) {
            if (argument.isEmpty())
                return QStringLiteral("pusta nazwa pliku");
            parsed.files.push_back(argument);
            continue;
        }
        const qsizetype equals = argument.indexOf(u'=');
        const QString name = equals < 0 ? argument : argument.left(equals);
        if (isCommand(name))
            return QStringLiteral("nie można łączyć poleceń %1 i %2").arg(command, name);
        if (!allowed.contains(name))
            return QStringLiteral("nieznana opcja: %1").arg(name);
        if (parsed.options.count(name) > 0)
            return QStringLiteral("opcja %1 podana dwukrotnie").arg(name);
        if (equals >= 0)
            parsed.options[name] = argument.mid(equals + 1);
        else if (i + 1 < arguments.size())
            parsed.options[name] = arguments[++i];
        else
            return QStringLiteral("brak wartości opcji %1").arg(name);
    }
    return std::nullopt;
}

// The value of an option as the index of its allowed spelling (any case).
std::optional<int> choice(const ParsedArguments& parsed, const QString& name,
                          const QStringList& values, QString& problem) {
    const auto found = parsed.options.find(name);
    if (found == parsed.options.end())
        return std::nullopt;
    for (int i = 0; i < values.size(); ++i)
        if (found->second.compare(values[i], Qt::CaseInsensitive) == 0)
            return i;
    problem = QStringLiteral("niewłaściwa wartość opcji %1: %2 (dozwolone: %3)")
                  .arg(name, found->second, values.join(u'|'));
    return std::nullopt;
}

ImportPriority priorityChoice(const ParsedArguments& parsed, QString& problem) {
    const auto priority = choice(parsed, QStringLiteral("--priority"),
                                 {QStringLiteral("qsl"), QStringLiteral("lotw")}, problem);
    return priority == 1 ? ImportPriority::Lotw : ImportPriority::LogQsl;
}

SummaryMode modeChoice(const ParsedArguments& parsed, QString& problem) {
    const auto mode =
        choice(parsed, QStringLiteral("--mode"),
               {QStringLiteral("confirmed"), QStringLiteral("verified"), QStringLiteral("pending")},
               problem);
    return std::array{SummaryMode::AllConfirmed, SummaryMode::Verified,
                      SummaryMode::ToVerify}[static_cast<std::size_t>(mode.value_or(0))];
}

QString optionValue(const ParsedArguments& parsed, const QString& name) {
    const auto found = parsed.options.find(name);
    return found == parsed.options.end() ? QString() : found->second;
}

// A whole number of seconds from 1 to `most`, when the option is given.
void readSeconds(const ParsedArguments& parsed, const QString& name, int most, int& seconds,
                 QString& problem) {
    const QString value = optionValue(parsed, name);
    if (value.isEmpty())
        return;
    bool number = false;
    seconds = value.toInt(&number);
    if (!number || seconds < 1 || seconds > most)
        problem = QStringLiteral("niewłaściwa wartość opcji %1: %2 (dozwolone: 1-%3 s)")
                      .arg(name, value)
                      .arg(most);
}

void readLotwSyncOptions(const ParsedArguments& parsed, LotwSyncOptions& options,
                         QString& problem) {
    options.login = optionValue(parsed, QStringLiteral("--login"));
    options.passwordFile = optionValue(parsed, QStringLiteral("--password-file"));
    options.since = optionValue(parsed, QStringLiteral("--since"));
    if (!options.since.isEmpty() &&
        !QDate::fromString(options.since, QStringLiteral("yyyy-MM-dd")).isValid())
        problem = QStringLiteral("niewłaściwa data opcji --since: %1 (oczekiwano rrrr-mm-dd)")
                      .arg(options.since);
    readSeconds(parsed, QStringLiteral("--timeout"), 3600, options.timeoutSeconds, problem);
    readSeconds(parsed, QStringLiteral("--max-time"), 86400, options.maxSeconds, problem);
    const QString own = optionValue(parsed, QStringLiteral("--own-call"));
    if (own.isNull())
        return;
    static const QRegularExpression callsign(QStringLiteral("^[A-Z0-9/]+$"));
    for (const QString& call : own.toUpper().split(u','))
        if (callsign.match(call.trimmed()).hasMatch())
            options.ownCalls.push_back(call.trimmed());
        else
            problem = QStringLiteral("niewłaściwy znak w opcji --own-call: \"%1\"").arg(call);
}

// "--restore STATION.csv N": N as --history numbers the copies.
void readCopyNumber(const QString& text, int& number, QString& problem) {
    bool isNumber = false;
    number = text.toInt(&isNumber);
    if (!isNumber || number < 1)
        problem = QStringLiteral("niewłaściwy numer kopii: %1 (oczekiwano liczby od 1, jak "
                                 "numeruje je --history)")
                      .arg(text);
}

// What "oczekiwano" expects, in the genitive it governs: "1 nazwy pliku",
// "2 nazw plików".
QString expectedFileNames(qsizetype count) {
    if (count == 1)
        return QStringLiteral("1 nazwy pliku");
    return QStringLiteral("%1 nazw plików").arg(count);
}

CommandLine parseCommand(const QString& command, const QStringList& arguments) {
    const auto& commands = commandTable();
    const auto known = commands.find(command);
    if (known == commands.end())
        return wrongUsage(QStringLiteral("nieznana opcja: %1").arg(command));
    ParsedArguments parsed;
    if (const auto problem = splitArguments(command, arguments, known->second.second, parsed))
        return wrongUsage(*problem);

    CommandLine line;
    line.kind = known->second.first;
    // The file the command reads or writes besides the station data file comes first.
    const qsizetype files = line.kind == CommandKind::Summary ||
                                    line.kind == CommandKind::LotwSync ||
                                    line.kind == CommandKind::History
                                ? 1
                                : 2;
    if (parsed.files.size() != files)
        return wrongUsage(
            QStringLiteral("%1: oczekiwano %2, podano %3")
                .arg(command, expectedFileNames(files), QString::number(parsed.files.size())));
    line.stationPath = parsed.files.back();
    QString problem;
    switch (line.kind) {
    case CommandKind::Import:
        line.adifPath = parsed.files.front();
        if (const auto source = choice(parsed, QStringLiteral("--source"),
                                       {QStringLiteral("log"), QStringLiteral("lotw")}, problem)) {
            line.importOptions.source = *source == 0 ? ImportSource::Log : ImportSource::Lotw;
            line.sourceChosen = true;
        }
        line.importOptions.priority = priorityChoice(parsed, problem);
        break;
    case CommandKind::LotwSync:
        line.importOptions.source = ImportSource::Lotw;
        line.importOptions.priority = priorityChoice(parsed, problem);
        readLotwSyncOptions(parsed, line.lotwSync, problem);
        break;
    case CommandKind::Summary:
        line.summaryMode = modeChoice(parsed, problem);
        break;
    case CommandKind::Chart:
        line.chartPath = parsed.files.front();
        line.summaryMode = modeChoice(parsed, problem);
        if (!chartFileKind(line.chartPath))
            problem = QStringLiteral("--chart: nieznany rodzaj pliku %1 (dozwolone: .png, .svg, "
                                     ".pdf, .csv)")
                          .arg(line.chartPath);
        break;
    case CommandKind::Restore:
        line.stationPath = parsed.files.front();
        readCopyNumber(parsed.files.back(), line.copyNumber, problem);
        break;
    case CommandKind::PrintPdf:
        line.pdfPath = parsed.files.front();
        break;
    default:
        break;
    }
    return problem.isEmpty() ? line : wrongUsage(problem);
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine line;
    if (arguments.isEmpty())
        return line;
    const QString& first = arguments.front();
    if (!first.startsWith(u'-')) {
        line.parameter = first;
        return line;
    }
    const QStringList rest = arguments.mid(1);
    const bool help = first == QStringLiteral("--help") || first == QStringLiteral("-h");
    if (help || first == QStringLiteral("--version")) {
        if (!rest.isEmpty())
            return wrongUsage(QStringLiteral("%1 nie przyjmuje argumentów").arg(first));
        line.kind = help ? CommandKind::Help : CommandKind::Version;
        return line;
    }
    return parseCommand(first, rest);
}

QString usageText() {
    return QStringLiteral(
        "Użycie:\n"
        "  zefirant [PLIK_STACJI]\n"
        "  zefirant --import PLIK.adi [--source log|lotw] [--priority qsl|lotw] PLIK_STACJI\n"
        "  zefirant --summary [--mode confirmed|verified|pending] PLIK_STACJI\n"
        "  zefirant --print-pdf WYDRUK.pdf PLIK_STACJI\n"
        "  zefirant --chart WYKRES.png|.svg|.pdf|.csv [--mode confirmed|verified|pending]\n"
        "           PLIK_STACJI\n"
        "  zefirant --lotw-sync [--login ZNAK] [--priority qsl|lotw] [--since rrrr-mm-dd]\n"
        "           [--password-file PLIK] [--timeout SEKUNDY] [--max-time SEKUNDY]\n"
        "           [--own-call ZNAK[,ZNAK...]] PLIK_STACJI\n"
        "  zefirant --history PLIK_STACJI\n"
        "  zefirant --restore PLIK_STACJI N\n"
        "  zefirant --help\n"
        "  zefirant --version\n");
}

QString helpText() {
    return QStringLiteral("Zefirant - podmioty DXCC i strefy CQ na pasmach 80, 40, 20, 15 i 10 m.\n"
                          "\n") +
           usageText() +
           QStringLiteral(
               "\n"
               "Bez opcji program otwiera swoje okna, z PLIKIEM_STACJI - ten plik danych stacji.\n"
               "Polecenia wsadowe działają bez okien:\n"
               "  --import     importuje potwierdzone łączności z pliku ADIF jak \"Import "
               "danych\",\n"
               "               zapisuje plik danych stacji i bledy_dxcc.txt (obok programu,\n"
               "               a w programie zainstalowanym w ~/.local/share/zefirant)\n"
               "               i wypisuje zestawienie; podmiotów brakujących lub innych niż\n"
               "               w pliku wzorcowym nie zmienia, tylko je wymienia\n"
               "      --source log|lotw      źródło danych: Log (domyślnie) albo LoTW\n"
               "      --priority qsl|lotw    priorytet danych: Log (QSL) (domyślnie) albo LoTW\n"
               "  --summary    wypisuje zestawienie pasm i punktów\n"
               "      --mode confirmed|verified|pending\n"
               "               wszystkie potwierdzone (domyślnie), zweryfikowane albo do "
               "weryfikacji\n"
               "  --print-pdf  zapisuje obie strony wydruku zestawienia w jednym pliku PDF\n"
               "  --chart      zapisuje wykres postępu: punkty dyplomu w czasie dla każdego\n"
               "               pasma i razem, jako obraz PNG (1200 x 700), SVG, PDF albo jako\n"
               "               dane CSV (data;80m;40m;20m;15m;10m;razem, UTF-8)\n"
               "      --mode confirmed|verified|pending\n"
               "               potwierdzone wg daty QSO (domyślnie), zweryfikowane wg daty\n"
               "               weryfikacji albo czekające na weryfikację\n"
               "  --lotw-sync  pobiera z LoTW potwierdzenia QSL otrzymane od ostatniej\n"
               "               synchronizacji tego pliku i importuje je jak --import --source "
               "lotw\n"
               "      --login ZNAK           użytkownik LoTW (domyślnie znak z nagłówka pliku\n"
               "                             danych stacji, a bez niego znak z zefirant.ini)\n"
               "      --since rrrr-mm-dd     potwierdzenia otrzymane od tego dnia\n"
               "      --password-file PLIK   plik z hasłem, czytelny tylko dla właściciela;\n"
               "                             bez niego hasło ze zmiennej ZEFIRANT_LOTW_PASSWORD\n"
               "      --timeout SEKUNDY      przerwanie po tylu sekundach bez danych (60)\n"
               "      --max-time SEKUNDY     przerwanie, gdy pobieranie trwa dłużej (1800)\n"
               "      --own-call ZNAK[,ZNAK...]\n"
               "                             tylko łączności tych znaków własnych konta LoTW\n"
               "  --history    wymienia kopie pliku danych stacji zachowane przed jego\n"
               "               zmianami (najnowsza ma numer 1)\n"
               "  --restore    przywraca kopię numer N, zachowując kopię tego, co zastępuje\n"
               "  --help       ten opis\n"
               "  --version    wersja programu\n"
               "\n"
               "Kod wyjścia: 0 - wykonano, 1 - nie można odczytać lub zapisać pliku\n"
               "albo pobrać raportu LoTW, 2 - niewłaściwe wywołanie.\n");
}

QString versionText(const Version& version) {
    return QStringLiteral("Zefirant ") + versionLine(version);
}

} // namespace zef
