#include "bookings/SchedineScreen.h"

#include "base/Dates.h"
#include "base/Formats.h"
#include "base/ProgramFolder.h"
#include "base/RecordFile.h"
#include "bookings/Calendario.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/OpenURL.h"
#include "platform/ScreenKit.h"

#include <QApplication>
#include <QBrush>
#include <QCalendarWidget>
#include <QColor>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int PositionRole = Qt::UserRole;

// The busy cursor for a pass over the register.
struct Busy {
    Busy() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Busy() { QApplication::restoreOverrideCursor(); }
};

QString guestsText(int n)
{
    return QString::number(n) + (n == 1 ? QStringLiteral(" ospite") : QStringLiteral(" ospiti"));
}

} // namespace

TfrmSchedine::TfrmSchedine(QWidget *parent, ShowBooking showBooking)
    : TDialog(parent, QStringLiteral(" Schedine alloggiati"), QSize(980, 560)), m_showBooking(std::move(showBooking)),
      m_date(Clock::today())
{
    setObjectName(QStringLiteral("frmSchedine"));
    Formats::applyProcessFormats();

    imgTitolo = new QLabel(QStringLiteral("SCHEDINE ALLOGGIATI"), this);
    imgTitolo->setObjectName(QStringLiteral("imgTitolo"));
    imgTitolo->setMinimumHeight(44);
    imgTitolo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    imgTitolo->setProperty("look", QStringLiteral("banner"));
    auto *intro = new QLabel(QStringLiteral("Gli ospiti in arrivo nella data indicata, con l'esito del controllo dei "
                                            "dati richiesti dal portale Alloggiati Web."),
                             this);
    intro->setObjectName(QStringLiteral("lblIstruzioni1"));

    auto *lblData = new QLabel(QStringLiteral("Data di arrivo:"), this);
    lblData->setObjectName(QStringLiteral("lblData"));
    txtData = new QLineEdit(this);
    txtData->setObjectName(QStringLiteral("txtData"));
    txtData->setReadOnly(true);
    txtData->setMaxLength(10);
    txtData->setFixedWidth(110);
    txtData->setText(Dates::format(m_date));
    txtData->setToolTip(QStringLiteral("Premere un tasto qualsiasi per scegliere la data dal calendario."));
    txtData->installEventFilter(this);
    impData = ScreenKit::picture(this, QStringLiteral("impData"), QStringLiteral("calendario"), QString(), 28);
    impData->setToolTip(QStringLiteral("Scegli la data dal calendario."));

    lstSchedine = new QTreeWidget(this);
    lstSchedine->setObjectName(QStringLiteral("lstSchedine"));
    lstSchedine->setRootIsDecorated(false);
    lstSchedine->setUniformRowHeights(true);
    lstSchedine->setSelectionMode(QAbstractItemView::SingleSelection);
    lstSchedine->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstSchedine->setHeaderLabels({QStringLiteral("Scheda"), QStringLiteral("Camera"), QStringLiteral("Tipo"),
                                  QStringLiteral("Cognome e nome"), QStringLiteral("Esito")});
    lstSchedine->setColumnWidth(ColScheda, 55);
    lstSchedine->setColumnWidth(ColCamera, 65);
    lstSchedine->setColumnWidth(ColTipo, 130);
    lstSchedine->setColumnWidth(ColNome, 190);
    lstSchedine->header()->setStretchLastSection(true);

    lblRiepilogo = new QLabel(this);
    lblRiepilogo->setObjectName(QStringLiteral("lblRiepilogo"));
    lblIstruzioni = new QLabel(
        QStringLiteral("Per correggere i dati di una scheda, selezionarla con un doppio clic: la scheda viene "
                       "richiamata nel registro arrivi e partenze."),
        this);
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    lblIstruzioni->setProperty("look", QStringLiteral("notice"));

    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setAutoDefault(false);
    btnGenera = new QPushButton(QIcon(QStringLiteral(":/icons/schedine.svg")), QStringLiteral("Genera file"), this);
    btnGenera->setObjectName(QStringLiteral("btnGenera"));
    btnGenera->setAutoDefault(false);

    auto *dateRow = new QHBoxLayout;
    dateRow->addWidget(lblData);
    dateRow->addWidget(txtData);
    dateRow->addWidget(impData);
    dateRow->addStretch(1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnChiudi);
    buttons->addStretch(1);
    buttons->addWidget(btnGenera);
    auto *v = new QVBoxLayout(this);
    v->addWidget(imgTitolo);
    v->addWidget(intro);
    v->addLayout(dateRow);
    v->addWidget(lstSchedine, 1);
    v->addWidget(lblRiepilogo);
    v->addWidget(lblIstruzioni);
    v->addLayout(buttons);

    connect(impData, &QToolButton::clicked, this, &TfrmSchedine::impDataClick);
    connect(btnGenera, &QPushButton::clicked, this, &TfrmSchedine::btnGeneraClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmSchedine::close);
    connect(lstSchedine, &QTreeWidget::itemDoubleClicked, this, &TfrmSchedine::lstSchedineDblClick);
}

void TfrmSchedine::setDate(const QDate &d)
{
    m_date = d;
    txtData->setText(Dates::format(d));
    if (m_checked)
        recheck();
}

void TfrmSchedine::showEvent(QShowEvent *e)
{
    TDialog::showEvent(e);
    if (!m_checked)
        recheck();
}

bool TfrmSchedine::eventFilter(QObject *o, QEvent *e)
{
    // As on the booking card, the date is chosen from the calendar, never typed.
    if (o == txtData && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(e)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Escape)
            return false;
        impDataClick();
        return true;
    }
    return TDialog::eventFilter(o, e);
}

void TfrmSchedine::impDataClick()
{
    auto *picker = new TfrmCalendario(this);
    picker->setMemory(QStringLiteral("schedine"));
    picker->calAppuntamenti->setSelectedDate(m_date);
    // The picker writes only into the booking card; here the chosen day is taken from it.
    connect(picker->btnImportaData, &QPushButton::clicked, picker, [this, picker] {
        setDate(picker->calAppuntamenti->selectedDate());
        picker->accept();
    });
    picker->exec();
    delete picker;
}

void TfrmSchedine::recheck()
{
    m_checked = true;
    const QTreeWidgetItem *current = lstSchedine->currentItem();
    const qint64 selected = current ? current->data(ColScheda, PositionRole).toLongLong() : 0;
    try {
        Busy busy;
        m_day = Schedine::select(m_date);
        m_readable = true;
    } catch (const ArchiveError &) {
        m_day = Schedine::Day{m_date, {}};
        m_readable = false;
    }

    lstSchedine->clear();
    QTreeWidgetItem *reselect = nullptr;
    for (const Schedine::Guest &g : m_day.guests) {
        const QString code = g.record.get(VisitaField::CodTipo);
        const QString type = Schedine::typeName(code);
        auto *item = new QTreeWidgetItem(lstSchedine);
        item->setText(ColScheda, QString::number(g.position));
        item->setData(ColScheda, PositionRole, g.position);
        item->setText(ColCamera, g.room());
        item->setText(ColTipo, type.isEmpty() ? code : code + QStringLiteral(" ") + type);
        item->setText(ColNome, (g.member ? QStringLiteral("    ") : QString()) + g.name());
        item->setText(ColEsito, g.verdict());
        item->setToolTip(ColEsito, g.verdict());
        item->setForeground(ColEsito, QBrush(g.ready() ? QColor(0x1e, 0x7b, 0x34) : QColor(0xb0, 0x1c, 0x2e)));
        if (g.position == selected)
            reselect = item;
    }
    if (reselect)
        lstSchedine->setCurrentItem(reselect);

    if (!m_readable) {
        lblRiepilogo->setText(QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio."));
    } else if (m_day.guests.empty()) {
        lblRiepilogo->setText(QStringLiteral("Nessun ospite in arrivo in data ") + Dates::format(m_date)
                              + QStringLiteral("."));
    } else {
        lblRiepilogo->setText(guestsText(int(m_day.guests.size())) + QStringLiteral(" in arrivo in data ")
                              + Dates::format(m_date) + QStringLiteral(": ") + QString::number(m_day.ready())
                              + QStringLiteral(" pront") + (m_day.ready() == 1 ? u'o' : u'i')
                              + QStringLiteral(" per il file, ") + QString::number(m_day.leftOut())
                              + QStringLiteral(" da completare."));
    }
}

void TfrmSchedine::lstSchedineDblClick()
{
    const QTreeWidgetItem *item = lstSchedine->currentItem();
    if (!item || !m_showBooking)
        return;
    m_showBooking(item->data(ColScheda, PositionRole).toLongLong());
}

void TfrmSchedine::btnGeneraClick()
{
    // The file tells what the register holds now, not what was shown when the screen opened.
    recheck();
    if (!m_readable) {
        Msg::error(Msg::accessText(), this);
        return;
    }
    const QString name = Schedine::fileName(m_date);
    if (!Schedine::writeFile(ProgramFolder::file(name), Schedine::fileBytes(m_day))) {
        Msg::error(QStringLiteral("Attenzione: il sistema non permette di scrivere il file ") + name
                       + QStringLiteral(".\n\r\n\rAccertarsi di possedere i privilegi di scrittura nella cartella "
                                        "di installazione del programma."),
                   this);
        return;
    }
    QString text = QStringLiteral("Il file ") + name + QStringLiteral(" è stato scritto nella cartella del programma: ")
                   + QStringLiteral("contiene ") + guestsText(m_day.ready()) + QStringLiteral(".");
    if (m_day.leftOut() > 0) {
        text += QStringLiteral("\n\r\n\rSono stati esclusi, perché i loro dati sono incompleti:");
        for (const Schedine::Guest &g : m_day.guests)
            if (!g.ready())
                text += QStringLiteral("\n") + Schedine::leftOutLine(g);
    }
    text += QStringLiteral("\n\r\n\rAprire la cartella del programma?");
    if (Msg::question(text, this))
        TMisc::Open(ProgramFolder::path());
}
