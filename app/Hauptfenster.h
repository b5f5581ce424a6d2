#pragma once
// The main window: a humble object over the document. Every event is handed to
// the document's operation of the same name; afterwards the window copies
// what changed back into its controls (Spiegeln).
#include "app/Aenderungen.h"
#include "app/DialogMelder.h"
#include "app/Einstellungen.h"
#include "app/SpeichernFrage.h"
#include "core/Sonnenuhr.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QMap>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableView;
class QToolBar;
class QToolButton;
class QTranslator;

namespace skiora::app {

class Bildflaeche;
class Gittermodell;
class Hilfe;
class Optionsgruppe;

struct Startwahl {
    std::string progVerz;              // ends in "/" unless empty
    std::string konfigVerz;            // start configuration's folder; empty: progVerz
    std::optional<std::string> konfig; // a configuration given on the command line
    std::optional<bool> deutsch;       // --lang
    bool startKonfigLesen = true;      // tests start from the built-in dial
    Melder* melder = nullptr;          // tests: messages recorded from the start
};

class Hauptfenster : public QMainWindow {
    Q_OBJECT
  public:
    explicit Hauptfenster(Startwahl wahl = {}, QWidget* eltern = nullptr);
    ~Hauptfenster() override;

    Sonnenuhr uhr;
    // Tests record messages instead of showing boxes.
    void setzeMelder(Melder* m) { uhr.setzeMelder(m); }
    Hilfe& hilfe() { return *hilfe_; }

    // Start-up's activation step (parameters into the controls, menus, first
    // calculation); runs once, when the window is first shown.
    void Aktivieren();
    bool aktiviert() const { return aktiviert_; }

    // Handlers that tests and other parts of the window call directly.
    void ParameterAnzeigen();
    void TexteSetzen();
    void Menein();
    void Deutsch1Click(bool deutsch);
    void bMore2Click(QObject* sender);
    void Change1Click();
    void btZoomClick(QToolButton* knopf);
    void btTranslation(QToolButton* knopf);
    void Resize1Click();
    void Tabellenwahl();
    void StrGrid8bDblClick();
    // Configuration commands without their dialogs.
    bool KonfigurationLaden(const QString& datei);
    bool KonfigurationSpeichern(const QString& datei);
    void StartkonfigurationSpeichern();
    // "Save Table ...": the page decides the table; `filterIndex` 0 is *.CSV.
    bool TabelleSpeichernNach(QWidget* seite, const QString& datei, int filterIndex);
    int bildZeichnungen() const;
    Bildflaeche* bild() const { return Image1; }

    // The everyday conveniences (Hauptfenster_Komfort.cpp).
    // Asks about unsaved changes; true when the caller may go on.
    bool AenderungenKlaeren();
    // Ctrl+S: into the current file; the dialog only for an untitled dial.
    bool Speichern();
    // Ctrl+Shift+S: always through the dialog.
    bool SpeichernUnter();
    // Ctrl+N: the start configuration (or the built-in dial), untitled.
    void Neu();
    // A recent entry or a dropped file: the question, then the load command.
    bool Oeffnen(const QString& datei);
    void TitelAktualisieren();
    const Aenderungen& aenderungen() const { return aenderungen_; }
    Einstellungen& einstellungen() { return einstellungen_; }
    void ZuletztMenueFuellen();
    // Tests answer in place of a person: the question, and the save dialog
    // (an empty name is a cancelled dialog).
    std::function<SpeichernFrage::Antwort(const QString& name)> fragen;
    std::function<QString(const QString& ordner, const QString& vorschlag)> speicherDateiWaehlen;

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void showEvent(QShowEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void closeEvent(QCloseEvent*) override;
    void dragEnterEvent(QDragEnterEvent*) override;
    void dropEvent(QDropEvent*) override;

  private:
    // Construction (Hauptfenster.cpp, Hauptfenster_Panels.cpp, Hauptfenster_Seiten.cpp).
    void erstelleMenues();
    void erstelleSeiten();
    QWidget* erstelleGrafikSeite();
    QWidget* erstelleStundenSeite();
    QWidget* erstelleSchattenSeite();
    QWidget* erstelleDatumsSeite();
    QWidget* erstelleSplitSeite();
    void erstellePanel1();
    void erstellePanel2();
    void erstelleUeberlagerungen();
    QLineEdit* neuesFeld(const char* name, Feld feld);
    QLabel* neuesLabel(const char* name, int tag = 0);
    QTableView* neueTabelle(const char* name, Gitter& gitter, Gittermodell** modell);
    void verbinden();
    void LayoutAnpassen();
    void spaltenBreiten();

    // Handlers (Hauptfenster_Handler.cpp).
    bool eKeyPress(QObject* feld, QKeyEvent* e);
    void eBreitExit(QLineEdit* feld);
    void MaskEdit1Exit();
    void lStartClick(QObject* sender);
    void btGoClick(Absender absender);
    void ModusAnzeigen();
    void Label4Setzen();
    void Spiegeln();
    void TabellenAktualisieren();
    void Fortschritt(int schritt);
    void PanelMausBewegung();
    void About1Click();
    void bHiOKClick(bool hilfe);
    void Panel4Click(QLabel* link);
    void Bildgezogen(int dx, int dy);
    int FokusThema() const;
    bool GroesseAendern(QKeyEvent* e);

    // Files (Hauptfenster_Dateien.cpp).
    void Datenspeichern1Click(bool startKonfig);
    void Datenladen1Click();
    void Tabellespeichern1Click();
    QString SpeicherDialog(const QString& ordner, const QString& vorschlag);

    // Texts (Hauptfenster_Texte.cpp).
    void TexteSetzenFuer(QObject* o, int tag);
    void QtUebersetzungWaehlen();

    // Conveniences (Hauptfenster_Komfort.cpp).
    void erstelleKomfort();
    void KomfortTexteSetzen();
    void Gemerkt(const QString& datei);
    void ZuletztOeffnen(const QString& datei);
    void Abgelegt(const QString& datei);
    void AenderungPlanen();
    std::string konfigVerz() const;

  public:
    // Controls, named as the program has always named them.
    QTabWidget* PgCtrl = nullptr;
    QWidget *TSGrafik = nullptr, *TsDat = nullptr, *tsShade = nullptr, *TSAnaDat = nullptr,
            *tsSlope = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QToolButton *tbMinus = nullptr, *tbPlus = nullptr, *tbLeft = nullptr, *tbRight = nullptr,
                *tbUp = nullptr, *tbDown = nullptr, *tbReset = nullptr, *tbPrint = nullptr,
                *ToolButton1 = nullptr, *tbHpg = nullptr, *tbDXF = nullptr;
    Bildflaeche* Image1 = nullptr;
    Bildflaeche* ImError = nullptr;
    QWidget* PanSave = nullptr;
    QTableView *StrGridStd = nullptr, *StrGridShad = nullptr, *StrGridDat = nullptr,
               *StrGrid8 = nullptr, *StrGrid8b = nullptr, *StrMittel = nullptr,
               *StrGridEin = nullptr;
    Gittermodell *mStd = nullptr, *mShad = nullptr, *mDat = nullptr, *m8 = nullptr, *m8b = nullptr,
                 *mMittel = nullptr, *mEin = nullptr;
    Optionsgruppe *rgKoordAusg = nullptr, *rgArten = nullptr, *rgAnzahl = nullptr,
                  *rgMittelwert = nullptr, *rgDefault = nullptr, *rgAnzeige = nullptr;
    QPushButton *BtnTsDat = nullptr, *BtnTsShade = nullptr, *BtnTsAna = nullptr, *btGo2 = nullptr,
                *BitBtn1 = nullptr, *BitBtn2 = nullptr, *Button1 = nullptr, *bMore2 = nullptr,
                *Button2 = nullptr, *lResize = nullptr;
    QLabel *lDat2 = nullptr, *lKlein = nullptr, *lDek0 = nullptr, *lKoordAufUnter = nullptr,
           *lmaxErrAbs = nullptr, *Label4 = nullptr, *lOptimier = nullptr, *lAufUnter = nullptr,
           *lbSchatt = nullptr, *Label22 = nullptr, *Label23 = nullptr, *Label7 = nullptr,
           *Panel3 = nullptr, *Panel4 = nullptr;
    QFrame *pSplit = nullptr, *pErrGraph = nullptr, *pFehler = nullptr, *pAbout = nullptr,
           *pGeduld = nullptr, *panResize = nullptr;
    QPlainTextEdit* mSplit = nullptr;
    QWidget *Panel1 = nullptr, *Panel2 = nullptr;
    QLineEdit *eBreit = nullptr, *eLang = nullptr, *eZone = nullptr, *eHalb = nullptr,
              *eIncl = nullptr, *eGnomInc = nullptr, *eHoehe = nullptr, *ejahr = nullptr,
              *eRiseSet = nullptr, *MaskEdit1 = nullptr;
    QSpinBox *eStart = nullptr, *eEnd = nullptr, *eLph = nullptr, *efStart = nullptr,
             *efEnd = nullptr;
    QCheckBox *ChBRiseSet = nullptr, *chBzonzeit = nullptr, *chBSchatt = nullptr,
              *chbGenau = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QMenu *Close1 = nullptr, *Optionen1 = nullptr, *Sprache2 = nullptr, *Hilfe1 = nullptr,
          *PopupSkio = nullptr;
    QAction *Deutsch2 = nullptr, *Englisch2 = nullptr, *Startkonfiguration1 = nullptr,
            *Datenladen1 = nullptr, *Datenspeichern1 = nullptr;
    // Added beside the configuration commands.
    QAction *Neu1 = nullptr, *SpeichernUnter1 = nullptr;
    QMenu* Zuletzt1 = nullptr;

  private:
    Startwahl wahl_;
    std::unique_ptr<DialogMelder> dialogMelder_;
    // The help reports through whatever melder the document has now.
    struct UhrMelder : Melder {
        Sonnenuhr& uhr;
        explicit UhrMelder(Sonnenuhr& u) : uhr(u) {}
        void Zeige(const std::string& t, const std::string& ti, Symbol s) override {
            uhr.melder().Zeige(t, ti, s);
        }
    } hilfeMelder_{uhr};
    std::unique_ptr<Hilfe> hilfe_;
    QMap<QObject*, Feld> felder_;
    std::unique_ptr<QTranslator> qtDeutsch_;
    bool qtDeutschGeladen_ = false;
    bool aktiviert_ = false;
    bool imFeldExit_ = false;
    bool bereitFuerResize_ = false;
    QElapsedTimer seitAktivierung_;
    int panelBewegungen_ = 0;
    bool grosseSchrift_ = false;
    bool breiterSchirm_ = true;
    Aenderungen aenderungen_;
    Einstellungen einstellungen_;
    bool pruefungGeplant_ = false;
};

} // namespace skiora::app
