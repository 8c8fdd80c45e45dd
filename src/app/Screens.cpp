#include "app/Screens.h"

#include "app/Avvio.h"
#include "app/CambiaPassword.h"
#include "app/Guida.h"
#include "app/Info.h"
#include "app/Password.h"
#include "app/Splash.h"
#include "billing/Aggiungi_Voce.h"
#include "billing/ExpConto.h"
#include "billing/Modifica_Voce.h"
#include "billing/Prodotti.h"
#include "billing/StampaConto.h"
#include "billing/TrovaServizi.h"
#include "bookings/ArriviFuturi.h"
#include "bookings/Calendario.h"
#include "bookings/EntratiOggi.h"
#include "bookings/ExpVisite.h"
#include "bookings/Registro.h"
#include "bookings/StampaVisita.h"
#include "bookings/TrovaVisite.h"
#include "bookings/UscitiOggi.h"
#include "checks/Carta.h"
#include "checks/CodFisc.h"
#include "checks/Iban.h"
#include "checks/PartitaIva.h"
#include "codes/Codici_Comuni.h"
#include "codes/Codici_Documenti.h"
#include "codes/Codici_Stati.h"
#include "codes/Codici_Tipo.h"
#include "guests/AllegaCartella.h"
#include "guests/Cartella.h"
#include "guests/Clienti.h"
#include "guests/ExpClienti.h"
#include "guests/StampaClienti.h"
#include "guests/TrovaClienti.h"
#include "guests/TrovaSegnalati.h"
#include "platform/ScreenKit.h"

#include <QEvent>
#include <QList>
#include <QPointer>
#include <QTimer>

#include <iterator>

namespace {

template <class T> QWidget *make() { return new T(); }

// The documented creation order.
QWidget *(*const kScreens[])() = {
    make<TfrmPassword>,       make<TfrmAvvio>,         make<TfrmCambiaPassword>,
    make<TfrmCarta>,          make<TfrmCodFisc>,       make<TfrmGuida>,
    make<TfrmIban>,           make<TfrmInfo>,          make<TfrmPartitaIva>,
    make<TfrmSplash>,         make<TfrmClienti>,       make<TfrmCodici_Tipo>,
    make<TfrmCodici_Comuni>,  make<TfrmCodici_Stati>,  make<TfrmCodici_Documenti>,
    make<TfrmAllegaCartella>, make<TfrmCartella>,      make<TfrmTrovaSegnalati>,
    make<TfrmExpClienti>,     make<TfrmStampaClienti>, make<TfrmTrovaClienti>,
    make<TfrmExpConto>,       make<TfrmTrovaServizi>,  make<TfrmStampaConto>,
    make<TfrmProdotti>,       make<TfrmAggiungi_Voce>, make<TfrmModifica_Voce>,
    make<TfrmRegistro>,       make<TfrmEntratiOggi>,   make<TfrmUscitiOggi>,
    make<TfrmTrovaVisite>,    make<TfrmArriviFuturi>,  make<TfrmExpVisite>,
    make<TfrmStampaVisita>,   make<TfrmCalendario>,
};

QList<QPointer<QWidget>> &all()
{
    static QList<QPointer<QWidget>> list;
    return list;
}

template <class T> T *first()
{
    for (const QPointer<QWidget> &w : all())
        if (auto *t = qobject_cast<T *>(w.data()))
            return t;
    return nullptr;
}

} // namespace

namespace Screens {

void createAll()
{
    ScreenKit::setMenuReturn(&backToMenu);
    for (auto i = size_t(all().size()); i < std::size(kScreens); ++i)
        all().append(kScreens[i]());
}

void createRest()
{
    if (!all().isEmpty())
        createAll();
}

void showLogin()
{
    ScreenKit::setMenuReturn(&backToMenu);
    if (all().isEmpty())
        all().append(kScreens[0]());
    QWidget *login = all().constFirst();
    // Built once the login has been painted; the timer covers a platform that paints late.
    struct AfterFirstPaint : QObject {
        using QObject::QObject;
        bool eventFilter(QObject *o, QEvent *e) override
        {
            if (e->type() == QEvent::Paint) {
                o->removeEventFilter(this);
                QTimer::singleShot(0, o, &createRest);
                deleteLater();
            }
            return false;
        }
    };
    login->installEventFilter(new AfterFirstPaint(login));
    QTimer::singleShot(250, login, &createRest);
    login->show();
}

void destroyAll()
{
    // Newest first, as the application would free them.
    for (qsizetype i = all().size() - 1; i >= 0; --i)
        delete all()[i].data();
    all().clear();
}

QWidget *at(int index) { return all().value(index).data(); }
int count() { return int(all().size()); }

TfrmPassword *password() { return first<TfrmPassword>(); }
TfrmCambiaPassword *changePassword() { return first<TfrmCambiaPassword>(); }
TfrmAvvio *menu() { return first<TfrmAvvio>(); }
TfrmClienti *guests() { return first<TfrmClienti>(); }
TfrmProdotti *priceList() { return first<TfrmProdotti>(); }
TfrmRegistro *bookings() { return first<TfrmRegistro>(); }

void backToMenu(QWidget *app)
{
    if (TfrmAvvio *m = menu())
        m->switchFrom(app);
    else
        app->hide();
}

} // namespace Screens
