#pragma once

class QWidget;
class About;
class Import1;
class Laden;
class Letzteprjdialog;
class Loeschen;
class Neuemld;
class Optionen;
class Projekt_offnen;
class Speichernunter;
class Startdialog;
class Uebertragen;
class Versioninfo;

// Every dialog of the program, created once with the main window and reused; the main
// window owns them.
struct AppDialogs
{
    explicit AppDialogs(QWidget* owner);

    Laden* laden;
    Projekt_offnen* projektOffnen;
    Uebertragen* uebertragen;
    Optionen* optionen;
    Import1* import1;
    Neuemld* neuemld;
    About* about;
    Startdialog* startdialog;
    Letzteprjdialog* letzteprjdialog;
    Versioninfo* versioninfo;
    Speichernunter* speichernunter;
    Loeschen* loeschen;
};
