#include "codes/Codici_Comuni.h"

#include "base/Formats.h"
#include "base/Text.h"
#include "codes/CodeTableScreen.h"
#include "codes/CodeTables.h"
#include "output/ListReport.h"
#include "platform/ListScreen.h"
#include "platform/Messages.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmCodici_Comuni::TfrmCodici_Comuni(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Tabella Codici per Comuni d'Italia"), QSize(862, 560))
{
    setObjectName(QStringLiteral("frmCodici_Comuni"));
    Formats::applyProcessFormats();

    panAvvio = new QWidget(this);
    panAvvio->setObjectName(QStringLiteral("panAvvio"));
    imgItalia = new QLabel(panAvvio);
    imgItalia->setObjectName(QStringLiteral("imgItalia"));
    imgItalia->setPixmap(QIcon(QStringLiteral(":/icons/comuni.svg")).pixmap(300, 300));
    imgItalia->setAlignment(Qt::AlignCenter);
    auto *title = new QLabel(QStringLiteral("CODICI PER COMUNI D'ITALIA"), panAvvio);
    title->setObjectName(QStringLiteral("lblTitolo"));
    title->setAlignment(Qt::AlignCenter);
    title->setMinimumHeight(44);
    title->setProperty("look", QStringLiteral("tableTitle"));
    auto *line1 = new QLabel(QStringLiteral("Selezionare la sigla di provincia del Comune di interesse"), panAvvio);
    auto *line2 = new QLabel(QStringLiteral("e fare clic sul pulsante Cerca."), panAvvio);
    txtProv = new QComboBox(panAvvio);
    txtProv->setObjectName(QStringLiteral("txtProv"));
    QFont big(QStringLiteral("Courier New"));
    big.setStyleHint(QFont::TypeWriter);
    big.setPointSize(20);
    big.setBold(true);
    txtProv->setFont(big);
    txtProv->addItems(Codes::provinceSiglas());
    // The open list is a scrolling list of a dozen siglas in an ordinary font (the style sheet
    // keeps every style from showing all 110 at once), not a column of 20-point capitals.
    txtProv->setMaxVisibleItems(12);
    QFont listFont(QStringLiteral("Courier New"));
    listFont.setStyleHint(QFont::TypeWriter);
    listFont.setPointSize(12);
    txtProv->view()->setFont(listFont);
    txtProv->setCurrentIndex(-1);
    txtProv->installEventFilter(this);
    icoFreccia01 = new QLabel(panAvvio);
    icoFreccia01->setObjectName(QStringLiteral("icoFreccia01"));
    icoFreccia01->setPixmap(QIcon(QStringLiteral(":/icons/avanti.svg")).pixmap(32, 32));
    icoFreccia02 = new QLabel(panAvvio);
    icoFreccia02->setObjectName(QStringLiteral("icoFreccia02"));
    icoFreccia02->setPixmap(QIcon(QStringLiteral(":/icons/avanti.svg")).pixmap(32, 32));
    icoFreccia02->hide();
    Risultato = new QLabel(QStringLiteral("Nessuna provincia selezionata."), panAvvio);
    Risultato->setObjectName(QStringLiteral("Risultato"));
    Risultato->setProperty("look", QStringLiteral("notice"));
    lblAttendere = new QLabel(QStringLiteral("Ricerca Comuni italiani in corso. Attendere..."), panAvvio);
    lblAttendere->setObjectName(QStringLiteral("lblAttendere"));
    lblAttendere->setProperty("look", QStringLiteral("busy"));
    lblAttendere->hide();
    btnAnnulla = new QPushButton(QStringLiteral("Chiudi"), panAvvio);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnAnnulla->setAutoDefault(false);
    btnCerca = new QPushButton(QStringLiteral("Cerca"), panAvvio);
    btnCerca->setObjectName(QStringLiteral("btnCerca"));
    btnCerca->setAutoDefault(false);
    btnCerca->installEventFilter(this);

    auto *choice = new QHBoxLayout;
    choice->addWidget(icoFreccia01);
    choice->addWidget(txtProv);
    choice->addStretch(1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnAnnulla);
    buttons->addStretch(1);
    buttons->addWidget(icoFreccia02);
    buttons->addWidget(btnCerca);
    auto *right = new QVBoxLayout;
    right->addWidget(title);
    right->addSpacing(16);
    right->addWidget(line1);
    right->addWidget(line2);
    right->addSpacing(16);
    right->addLayout(choice);
    right->addWidget(Risultato);
    right->addStretch(1);
    right->addWidget(lblAttendere);
    right->addLayout(buttons);
    auto *start = new QHBoxLayout(panAvvio);
    start->addWidget(imgItalia);
    start->addLayout(right, 1);

    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    list = new ListScreen(panContainer, QStringLiteral("CODICI PER COMUNI D'ITALIA"),
                          QStringLiteral("Immettere una o più lettere consecutive presenti nel nome del Comune in "
                                         "elenco da cercare e premere il pulsante Trova."),
                          QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, "
                                         "fare di nuovo clic su Trova."),
                          QStringLiteral("Per richiamare i dati di una scheda, selezionarla con un doppio clic."));
    list->setPrintTitle(QStringLiteral("Tabella Codici per Comuni d'Italia"), ListReportPrinter());
    hostList(list, panContainer);
    panContainer->hide();

    // The two panels lie in the same place; the start panel covers the list panel until a
    // province is loaded.
    auto *grid = new QGridLayout(this);
    grid->addWidget(panContainer, 0, 0);
    grid->addWidget(panAvvio, 0, 0);

    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::close);
    connect(btnCerca, &QPushButton::clicked, this, &TfrmCodici_Comuni::btnCercaClick);
    connect(txtProv, &QComboBox::currentIndexChanged, this, &TfrmCodici_Comuni::txtProvChange);
    connect(txtProv, &QComboBox::activated, this, &TfrmCodici_Comuni::txtProvChange);
    connect(list, &ListScreen::lstRecordsDblClick, this, &TfrmCodici_Comuni::lstRecordsDblClick);
}

void TfrmCodici_Comuni::txtProvChange()
{
    const QString sigla = txtProv->currentText();
    if (sigla.isEmpty())
        return;
    icoFreccia01->hide();
    icoFreccia02->show();
    Risultato->setText(Codes::provinceLabel(sigla));
}

void TfrmCodici_Comuni::btnCercaClick()
{
    const QString sigla = Text::trimmed(txtProv->currentText());
    if (sigla.isEmpty()) {
        Msg::warning(QStringLiteral("Ricerca non applicabile: non è stata selezionata nessuna provincia."), this);
        lblAttendere->hide();
        txtProv->setFocus();
        return;
    }
    list->setItemWidth(600);
    panContainer->show();
    panAvvio->hide();
    txtTrova->setFocus();
    txtTrova->clear();
    const QStringList lines = Codes::municipalityLines(sigla);
    list->setLines(lines);
    if (lines.isEmpty())
        Msg::plain(Msg::accessText(), this);
}

void TfrmCodici_Comuni::lstRecordsDblClick()
{
    m_picked = Codes::acceptedPick(Codes::Table::Comuni, memory(), list->currentLine());
    close();
}

void TfrmCodici_Comuni::showEvent(QShowEvent *e)
{
    TDialog::showEvent(e);
    list->resetSearch();
    if (panAvvio->isVisible())
        txtProv->setFocus();
}

void TfrmCodici_Comuni::hideEvent(QHideEvent *e)
{
    lblAttendere->hide();
    TDialog::hideEvent(e);
}

bool TfrmCodici_Comuni::eventFilter(QObject *o, QEvent *e)
{
    if (o == txtProv) {
        // A sigla is chosen from the drop-down only: typed keys do nothing.
        if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) {
            const int key = static_cast<QKeyEvent *>(e)->key();
            if (key != Qt::Key_Tab && key != Qt::Key_Backtab)
                return true;
        }
        // Coming back from its own drop-down is not entering the field.
        if (e->type() == QEvent::FocusIn && static_cast<QFocusEvent *>(e)->reason() != Qt::PopupFocusReason) {
            icoFreccia01->show();
            icoFreccia02->hide();
        }
    }
    if (o == btnCerca && e->type() == QEvent::MouseButtonPress)
        lblAttendere->show();
    return TDialog::eventFilter(o, e);
}
