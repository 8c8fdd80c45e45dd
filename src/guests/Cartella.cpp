#include "guests/Cartella.h"

#include "base/Text.h"
#include "guests/Allegati.h"
#include "platform/Messages.h"
#include "platform/OpenURL.h"
#include "platform/ScreenKit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// One explanatory row: a picture and what it stands for.
void explain(QGridLayout *grid, QWidget *parent, int row, const QString &icon, const QString &text)
{
    QToolButton *pic = ScreenKit::picture(parent, QString(), icon, QString(), 36);
    pic->setEnabled(false);
    pic->setFocusPolicy(Qt::NoFocus);
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    grid->addWidget(pic, row, 0, Qt::AlignTop);
    grid->addWidget(label, row, 1);
}

} // namespace

TfrmCartella::TfrmCartella(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Gestione cartella abbinata alla scheda corrente"), QSize(620, 360))
{
    setObjectName(QStringLiteral("frmCartella"));
    auto *grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    explain(grid, this, 0, QStringLiteral("cartella"),
            QStringLiteral("Ogni scheda salvata in archivio può avere una cartella tutta sua, creata la prima volta "
                           "che la si apre nella cartella del programma e chiamata Cliente_ seguito dal numero "
                           "della scheda."));
    explain(grid, this, 1, QStringLiteral("allega"),
            QStringLiteral("Nella cartella si possono conservare quanti documenti si vuole (ad esempio la copia "
                           "digitale della carta di identità del cliente): basta copiarli o trascinarli nella "
                           "finestra che si apre."));
    explain(grid, this, 2, QStringLiteral("info"),
            QStringLiteral("Il nome della cartella segue il numero della scheda, non i dati del cliente: il "
                           "programma non sposta, non svuota e non cancella mai la cartella."));
    btnApriCartella = new QPushButton(QStringLiteral("Apri cartella"), this);
    btnApriCartella->setObjectName(QStringLiteral("btnApriCartella"));
    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    connect(btnApriCartella, &QPushButton::clicked, this, &TfrmCartella::btnApriCartellaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnApriCartella);
    buttons->addWidget(btnChiudi);
    auto *l = new QVBoxLayout(this);
    l->addLayout(grid);
    l->addStretch();
    l->addLayout(buttons);
}

void TfrmCartella::setPosition(const QString &position) { m_position = Text::trimmed(position); }

void TfrmCartella::btnApriCartellaClick()
{
    // Only a card's position names a folder: nothing else may reach the path.
    static const QRegularExpression number(QStringLiteral("^[1-9][0-9]*$"));
    const QString path = Allegati::guestFolderPath(m_position);
    if (!number.match(m_position).hasMatch() || !Allegati::makeFolder(path)) {
        Msg::warning(QStringLiteral("Attenzione: non è stato possibile creare la cartella abbinata alla scheda "
                                    "corrente.\n\r\n\rAccertarsi di possedere i privilegi di scrittura nella "
                                    "cartella di installazione del programma."),
                     this);
        return;
    }
    TMisc::Open(u'"' + path + u'"');
    accept();
}
