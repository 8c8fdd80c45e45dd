// Takes the pictures of the README: run under a display (Xvfb is fine) from the build folder.
//   tools/screenshot <output folder>
#include "app/Avvio.h"
#include "app/Screens.h"
#include "billing/BillPanel.h"
#include "bookings/Registro.h"
#include "guests/Clienti.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

static void shoot(QWidget *w, const QString &file)
{
    w->showNormal();
    w->resize(1280, 820);
    QApplication::processEvents();
    QTimer::singleShot(300, [] {});
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    w->grab().save(file);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    Screens::createAll();
    TfrmAvvio *frmAvvio = Screens::menu();
    TfrmClienti *frmClienti = Screens::guests();
    shoot(frmAvvio, out + QStringLiteral("/menu.png"));
    frmAvvio->hide();

    frmClienti->show();
    frmClienti->txtCognome->setText(QStringLiteral("Bianchi"));
    frmClienti->txtNome->setText(QStringLiteral("Giulia"));
    frmClienti->txtSesso->setEditText(QStringLiteral("2) F"));
    frmClienti->txtCodFisc->setText(QStringLiteral("BNCGLI85M41F205X"));
    frmClienti->txtTipo->setText(QStringLiteral("Capo famiglia"));
    frmClienti->txtDataNasc->setText(QStringLiteral("01/08/1985"));
    frmClienti->txtComuneNasc->setText(QStringLiteral("MILANO"));
    frmClienti->txtProvNasc->setText(QStringLiteral("MI"));
    frmClienti->txtStatoNasc->setText(QStringLiteral("ITALIA"));
    frmClienti->txtCittadinanza->setText(QStringLiteral("ITALIA"));
    frmClienti->txtVia->setText(QStringLiteral("Via dei Mille 12"));
    frmClienti->txtCap->setText(QStringLiteral("20129"));
    frmClienti->txtComuneRes->setText(QStringLiteral("Milano"));
    frmClienti->txtProvRes->setText(QStringLiteral("MI"));
    frmClienti->txtTipoDoc->setText(QStringLiteral("CARTA DI IDENTITA' ELETTRONICA"));
    frmClienti->txtNumDoc->setText(QStringLiteral("CA12345AB"));
    frmClienti->txtLuogoRil->setText(QStringLiteral("MILANO"));
    frmClienti->txtDataRil->setText(QStringLiteral("10/02/2022"));
    frmClienti->txtDataSca->setText(QStringLiteral("01/08/2033"));
    frmClienti->txtCellulare->setText(QStringLiteral("333 1234567"));
    frmClienti->txtEmail->setText(QStringLiteral("giulia.bianchi@esempio.it"));
    frmClienti->txtTariffa->setText(QStringLiteral("Alta stagione"));
    frmClienti->txtTipologia->setEditText(QStringLiteral("Matrimoniale"));
    frmClienti->txtFormula->setEditText(QStringLiteral("Mezza pensione"));
    frmClienti->txtServizi->setText(QStringLiteral("Parcheggio, culla"));
    frmClienti->txtNote->setText(QStringLiteral("Arrivo previsto in serata"));
    frmClienti->lblPosizione->setText(QStringLiteral("12"));
    frmClienti->panInfo->setText(QStringLiteral("Salva la scheda corrente in archivio."));
    shoot(frmClienti, out + QStringLiteral("/clienti.png"));

    // clang-format off
    const QStringList bill[] = {{"14/08/2026", "Camera matrimoniale, mezza pensione", "180,00"},
                                {"14/08/2026", "Parcheggio coperto", "12,00"},
                                {"15/08/2026", "Camera matrimoniale, mezza pensione", "180,00"},
                                {"15/08/2026", "Cena di Ferragosto (2 persone)", "95,00"},
                                {"15/08/2026", "Vino della casa", "18,50"},
                                {"16/08/2026", "Escursione in barca", "70,00"},
                                // clang-format on
                                {"16/08/2026", "Caffè e aperitivo al bar", "7,25"}};
    for (int i = 0; i < 7; ++i) {
        frmClienti->conto->txtData[i]->setText(bill[i][0]);
        frmClienti->conto->txtDesc[i]->setText(bill[i][1]);
        frmClienti->conto->txtPrezzo[i]->setText(bill[i][2]);
    }
    frmClienti->conto->txtAcconto->setText(QStringLiteral("200,00"));
    frmClienti->conto->open(QStringLiteral("Giulia"), QStringLiteral("Bianchi"));
    frmClienti->panInfo->setText(QStringLiteral("Calcola il totale del conto allo stato attuale."));
    shoot(frmClienti, out + QStringLiteral("/conto.png"));
    frmClienti->hide();

    TfrmRegistro *frmRegistro = Screens::bookings();
    frmRegistro->show();
    frmRegistro->txtDataEnt->setText(QStringLiteral("10/08/2024"));
    frmRegistro->txtOraEnt->setText(QStringLiteral("14:00"));
    frmRegistro->txtCamera->setText(QStringLiteral("12 - Vista mare"));
    frmRegistro->txtAdulti->setText(QStringLiteral("2"));
    frmRegistro->txtBambini->setText(QStringLiteral("1"));
    frmRegistro->txtGiorni->setText(QStringLiteral("03"));
    frmRegistro->txtCellulare->setText(QStringLiteral("333 1234567"));
    frmRegistro->txtCognome->setText(QStringLiteral("Rossi"));
    frmRegistro->txtNome->setText(QStringLiteral("Mario"));
    frmRegistro->txtTipo->setText(QStringLiteral("Capo Famiglia"));
    frmRegistro->txtSesso->setEditText(QStringLiteral("1) M"));
    frmRegistro->txtDataNasc->setText(QStringLiteral("12/05/1978"));
    frmRegistro->txtComuneNasc->setText(QStringLiteral("Città di Castello"));
    frmRegistro->txtProvNasc->setText(QStringLiteral("PG"));
    frmRegistro->txtStatoNasc->setText(QStringLiteral("Italia"));
    frmRegistro->txtTipoDoc->setText(QStringLiteral("Carta di identità"));
    frmRegistro->txtNumDoc->setText(QStringLiteral("CA12345BX"));
    frmRegistro->txtLuogoRil->setText(QStringLiteral("Perugia"));
    frmRegistro->txtCittadinanza->setText(QStringLiteral("Italia"));
    frmRegistro->txtEmail->setText(QStringLiteral("mario.rossi@example.it"));
    frmRegistro->txtDataUsc->setText(QStringLiteral("13/08/2024"));
    frmRegistro->txtOraUsc->setText(QStringLiteral("10:00"));
    frmRegistro->txtTariffa->setText(QStringLiteral("80 euro a notte, colazione inclusa"));
    frmRegistro->txtSupplementi->setText(QStringLiteral("culla"));
    frmRegistro->lblPosizione->setText(QStringLiteral("7"));
    // The card keeps its own size; the window just round it.
    frmRegistro->showNormal();
    frmRegistro->resize(1010, 710);
    frmRegistro->activateWindow();
    frmRegistro->txtCognome->setFocus();
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    frmRegistro->panInfo->setText(QStringLiteral("Salva la scheda corrente in archivio."));
    frmRegistro->grab().save(out + QStringLiteral("/registro.png"));

    Screens::destroyAll();
    return 0;
}
