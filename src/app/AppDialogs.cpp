#include "app/AppDialogs.h"

#include "dialogs/About.h"
#include "dialogs/Neuemld.h"
#include "dialogs/Optionen.h"
#include "dialogs/Startdialog.h"
#include "dialogs/Versioninfo.h"
#include "project/ui/Import1.h"
#include "project/ui/Letzteprjdialog.h"
#include "project/ui/Loeschen.h"
#include "project/ui/Projekt_offnen.h"
#include "project/ui/Speichernunter.h"
#include "transfer/ui/Laden.h"
#include "transfer/ui/Uebertragen.h"

AppDialogs::AppDialogs(QWidget* owner)
    : laden(new Laden(owner)),
      projektOffnen(new Projekt_offnen(owner)),
      uebertragen(new Uebertragen(owner)),
      optionen(new Optionen(owner)),
      import1(new Import1(owner)),
      neuemld(new Neuemld(owner)),
      about(new About(owner)),
      startdialog(new Startdialog(owner)),
      letzteprjdialog(new Letzteprjdialog(owner)),
      versioninfo(new Versioninfo(owner)),
      speichernunter(new Speichernunter(owner)),
      loeschen(new Loeschen(owner))
{
    projektOffnen->SetImportDialog(import1);
    about->SetVersioninfo(versioninfo);
}
