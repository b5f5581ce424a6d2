#include "help/HilfeSystem.h"

#include "help/HilfeFenster.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QSysInfo>

namespace skiora::help {

namespace {

std::string S(const QString& q) {
    return q.toStdString();
}

// "%20" as blank, then blanks (and control characters) off both ends.
std::string Bereinigt(std::string s) {
    for (std::size_t p; (p = s.find("%20")) != std::string::npos;)
        s.replace(p, 3, " ");
    const auto istLeer = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!s.empty() && istLeer(s.back()))
        s.pop_back();
    std::size_t a = 0;
    while (a < s.size() && istLeer(s[a]))
        ++a;
    return s.substr(a);
}

std::string Ja(bool b) {
    return b ? "True" : "False";
}

} // namespace

HilfeSystem::Start HilfeSystem::Start::AusAnwendung() {
    QStringList args = QCoreApplication::arguments();
    if (!args.isEmpty()) args.removeFirst();
    return {QCoreApplication::applicationFilePath(), args};
}

HilfeSystem::HilfeSystem(Melder& melder, const Start& start) : melder_(melder) {
    progVerz_ = QFileInfo(start.programmDatei).absolutePath();
    if (!progVerz_.endsWith('/')) progVerz_ += '/';
    // The viewer is a widget window: it needs a widget application.
    htmlHilfeDa_ = qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
    if (Protokoll::Verlangt(progVerz_, start.argumente)) {
        const QString datei = Protokoll::DateiWaehlen(progVerz_);
        log_.Starte(datei, {}); // the header names the file, so choose it first
        for (const auto& z : Kopf(start))
            log_.Zeile(z);
    }
}

HilfeSystem::~HilfeSystem() {
    CloseAll();
}

std::vector<std::string> HilfeSystem::Kopf(const Start& start) const {
    const QFileInfo exe(start.programmDatei);
    const QString version = QCoreApplication::applicationVersion().isEmpty()
                                ? QStringLiteral("n/a")
                                : QCoreApplication::applicationVersion();
    const QStringList kern = QSysInfo::kernelVersion().split(QRegularExpression("[.-]"));
    const auto teil = [&](int i) { return i < kern.size() ? kern[i].toInt() : 0; };
    const QLocale ort = QLocale::system();
    QStringList ganze{start.programmDatei};
    ganze += start.argumente;
    const std::string qt = qVersion();
    return {
        "!Log File:             " + S(log_.Datei()),
        "!Date:                 " + S(QDateTime::currentDateTime().toString(Qt::ISODate)),
        "!Operating System:      " + S(QSysInfo::prettyProductName()) + " " +
            std::to_string(teil(0)) + "." + std::to_string(teil(1)) + " (Build " +
            std::to_string(teil(2)) + ") n/a",
        "!SysLocale.DefaultLCID: n/a (" + S(ort.name()) + ")",
        "!SysLocale.PriLangID:   " + S(QLocale::languageToCode(ort.language())) + " (" +
            S(QLocale::languageToString(ort.language())) + ")",
        "!SysLocale.SubLangID:   " + S(QLocale::territoryToCode(ort.territory())) + " (" +
            S(QLocale::territoryToString(ort.territory())) + ")",
        "!DecimalSeparator:      " + S(ort.decimalPoint()),
        "!EXE Path =          " + S(exe.absolutePath()),
        "!EXE Version =       " + S(version),
        "!Cmdline Param(s) =  " + S(start.argumente.join(' ')),
        "!Actual CmdLine =  " + S(ganze.join(' ')),
        "!_RunDir =           " + S(QDir::currentPath()),
        "!_ModuleName =       " + S(exe.fileName()),
        "!_ModuleDir =        " + S(progVerz_),
        "!_ModulePath =        " + S(exe.absoluteFilePath()),
        "!Module Version =       " + S(version),
        "!_hhInstalled =      " + Ja(htmlHilfeDa_),
        "!_hhVerStr =         " + qt,
        "!_hhFriendlyVerStr = QTextBrowser (Qt " + qt + ")",
        "!_ieInstalled =      n/a",
        "!_ieVerStr =         n/a",
        "!_ieFriendlyVerStr = n/a",
    };
}

std::string HilfeSystem::HilfePfad(const std::string& datei, const std::string& fensterDef,
                                   int modus) {
    std::string pfad = Bereinigt(datei);
    const std::string fenster = Bereinigt(fensterDef);
    if (!fenster.empty()) pfad += ">" + fenster;
    if (modus == ModusHH) pfad = "mk:@MSITStore:" + pfad;
    return pfad;
}

int HilfeSystem::ShowTopic(const std::string& datei, int thema, const std::string& fensterDef,
                           int modus) {
    log_.Zeile("HHHelpContext(\"" + datei + "\", " + std::to_string(thema) + ", \"" + fensterDef +
               "\", " + std::to_string(modus) + ")");
    const std::string pfad = HilfePfad(datei, fensterDef, modus);
    log_.Zeile("ShowContext(\"" + pfad + "\", " + std::to_string(thema) + ")");
    int code = 0;
    const QString nr = QString::number(thema);
    const QString qpfad = QString::fromStdString(pfad);
    if (modus == ModusKeyHH)
        code = StarteExtern("KeyHH.EXE", {"-win", "-#mapid", nr, qpfad}, 2);
    else if (modus == ModusHH)
        code = StarteExtern("HH.EXE", {"-mapid", nr, qpfad}, 3);
    else
        code = htmlHilfeDa_ ? ZeigeIntern(Bereinigt(datei), thema, Bereinigt(fensterDef)) : 1;
    log_.Zeile("  returned - " + std::to_string(code));
    return code;
}

int HilfeSystem::ZeigeIntern(const std::string& datei, int thema, const std::string& fensterDef) {
    const QString qdatei = QString::fromStdString(datei);
    const QString titel = QString::fromStdString(fensterDef);
    HilfeFenster* f = nullptr;
    for (const auto& p : fenster_)
        if (p && p->Datei() == qdatei && (titel.isEmpty() || p->windowTitle() == titel)) f = p;
    if (!f) {
        f = new HilfeFenster(qdatei, titel);
        fenster_.emplace_back(f);
    }
    f->ZeigeThema(thema);
    return 0;
}

QString HilfeSystem::SucheImPfad(const QString& name) {
    const QStringList verz =
        qEnvironmentVariable("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    for (const QString& v : verz) {
        const QDir d(v);
        for (const QString& e : d.entryList(QDir::Files | QDir::NoDotAndDotDot))
            if (e.compare(name, Qt::CaseInsensitive) == 0) return d.filePath(e);
    }
    return {};
}

int HilfeSystem::StarteExtern(const QString& name, const QStringList& parameter, int fehlcode) {
    const QString programm = SucheImPfad(name);
    if (programm.isEmpty()) return fehlcode;
    QProcess p;
    p.setProgram(programm);
    p.setArguments(parameter);
    if (!p.startDetached()) {
        const QFileInfo fi(programm);
        const char* grund = !fi.exists()         ? "File Not Found"
                            : !fi.isExecutable() ? "Access Denied"
                                                 : "General Failure";
        melder_.Zeige("Function ShellExecute(" + S(programm) + ", " + S(parameter.join(' ')) +
                          ")\rReturned: " + grund,
                      AnwendungsTitel, Symbol::Warnung);
    }
    // The viewer was there; a failed start is reported above, not as a code.
    return 0;
}

std::string HilfeSystem::FehlerText(int code) {
    switch (code) {
    case 0:
        return "";
    case 1:
        return "MS Html Help is not installed on this PC.";
    case 2:
        return "System file KeyHH.EXE was not found in the Windows folder.";
    case 3:
        return "System file HH.EXE was not found in the Windows folder.";
    default:
        return "Unknown error returned by HHHelpContext";
    }
}

void HilfeSystem::ShowError(int code) {
    if (code == 0) return;
    const std::string text = FehlerText(code);
    log_.Zeile("HHShowError(" + std::to_string(code) + "), \"" + text + "\"");
    melder_.Zeige(text, AnwendungsTitel, Symbol::Warnung);
}

void HilfeSystem::CloseAll() {
    if (!htmlHilfeDa_) return;
    // Deleted here and now: no event loop may run, as this is called from
    // destructors of windows whose parts are already gone.
    for (auto& p : fenster_)
        delete p.data();
    fenster_.clear();
}

std::vector<HilfeFenster*> HilfeSystem::OffeneFenster() const {
    std::vector<HilfeFenster*> offen;
    for (const auto& p : fenster_)
        if (p && p->isVisible()) offen.push_back(p);
    return offen;
}

} // namespace skiora::help
