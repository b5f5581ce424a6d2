#pragma once
// The help's module state and its viewer calls: which viewer is there, the
// open help windows, the diagnostic log. Set up once before the main window
// exists and owned by it; the hooks (HilfeHaken) use it.
#include "core/Melder.h"
#include "help/Protokoll.h"

#include <QPointer>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace skiora::help {

class HilfeFenster;

// Caption of the help's message boxes: the application title.
inline constexpr const char* AnwendungsTitel = "Skiora ";

// Viewer modes: the in-process window, or an external viewer program.
enum Modus : int { ModusIntern = 0, ModusKeyHH = 1, ModusHH = 2 };

class HilfeSystem {
  public:
    struct Start {
        QString programmDatei;       // full path of the program file
        QStringList argumente;       // command-line words after the program name
        static Start AusAnwendung(); // from the running QCoreApplication
    };

    // melder shows ShowError's messages; it must outlive the system.
    HilfeSystem(Melder& melder, const Start& start);
    ~HilfeSystem();
    HilfeSystem(const HilfeSystem&) = delete;
    HilfeSystem& operator=(const HilfeSystem&) = delete;

    // Shows one topic; returns 0, or 1 (no viewer window), 2 (no KeyHH.EXE),
    // 3 (no HH.EXE).
    int ShowTopic(const std::string& datei, int thema, const std::string& fensterDef, int modus);
    // The message of a code; 0 shows nothing.
    void ShowError(int code);
    // Closes every help window this program opened.
    void CloseAll();

    // The path handed to the viewer: "%20" as blank, trimmed, ">" and the
    // window definition when there is one, "mk:@MSITStore:" for mode 2.
    static std::string HilfePfad(const std::string& datei, const std::string& fensterDef,
                                 int modus);
    static std::string FehlerText(int code);
    // Full path of an executable file of that name (any case) on the PATH.
    static QString SucheImPfad(const QString& name);

    bool HtmlHilfeDa() const { return htmlHilfeDa_; }
    const QString& ProgVerz() const { return progVerz_; } // ends with "/"
    const Protokoll& Log() const { return log_; }
    // The help windows that are open now.
    std::vector<HilfeFenster*> OffeneFenster() const;

  private:
    int ZeigeIntern(const std::string& pfad, int thema, const std::string& fensterDef);
    int StarteExtern(const QString& name, const QStringList& parameter, int fehlcode);
    std::vector<std::string> Kopf(const Start& start) const;

    Melder& melder_;
    QString progVerz_;
    bool htmlHilfeDa_ = false;
    Protokoll log_;
    std::vector<QPointer<HilfeFenster>> fenster_;
};

} // namespace skiora::help
