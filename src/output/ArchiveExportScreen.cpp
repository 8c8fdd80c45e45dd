#include "output/ArchiveExportScreen.h"

#include "app/Guida.h"
#include "output/ExportProcedure.h"
#include "platform/Messages.h"
#include "platform/ScreenKit.h"

#include <QApplication>
#include <QCursor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QShowEvent>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

TArchiveExportScreen::TArchiveExportScreen(QWidget *parent, const Kind &kind)
    : TDialog(parent, kind.caption, QSize(1000, 620)), m_kind(kind), m_model(new RecordGridModel(kind.columns, this))
{
    panInfo = new QLabel(QStringLiteral("Esportazione archivio in Microsoft Excel."), this);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    m_hints = new ScreenKit::Hints(panInfo, this);
    auto command = [this](const QString &name, const QString &icon, const QString &text, const QString &hint) {
        QToolButton *b = ScreenKit::picture(this, name, icon, text, 32);
        m_hints->add(b, hint);
        return b;
    };
    cmdEsporta = command(QStringLiteral("cmdEsporta"), QStringLiteral("esporta"), QStringLiteral("Esporta"),
                         QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
    cmdGuida = command(QStringLiteral("cmdGuida"), QStringLiteral("guida"), QStringLiteral("Guida"),
                       QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    cmdEsci = command(QStringLiteral("cmdEsci"), QStringLiteral("esci"), QStringLiteral("Esci"),
                      QStringLiteral("Esci da questo ambiente di lavoro."));

    grdRecords = new QTableView(this);
    grdRecords->setObjectName(QStringLiteral("grdRecords"));
    grdRecords->setModel(m_model);
    grdRecords->setAlternatingRowColors(true);
    grdRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    grdRecords->setSelectionBehavior(QAbstractItemView::SelectItems);
    grdRecords->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                | QAbstractItemView::AnyKeyPressed);
    grdRecords->verticalHeader()->hide();
    // Fixed row heights and column widths: 50,000 rows are never measured one by one.
    grdRecords->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdRecords->verticalHeader()->setDefaultSectionSize(grdRecords->fontMetrics().height() + 6);
    grdRecords->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grdRecords->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grdRecords->setColumnWidth(0, 60);
    for (int c = 1; c <= kind.columns.size(); ++c)
        grdRecords->setColumnWidth(c, qMax(60, kind.columns.at(c - 1).width * 7 / 10));

    auto *bar = new QHBoxLayout;
    bar->addWidget(cmdEsporta);
    bar->addWidget(cmdGuida);
    bar->addStretch();
    bar->addWidget(cmdEsci);
    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(panInfo);
    auto *body = new QVBoxLayout;
    body->setContentsMargins(10, 6, 10, 10);
    body->addLayout(bar);
    body->addWidget(grdRecords, 1);
    v->addLayout(body, 1);
    m_hints->blank(this);
    m_hints->blank(grdRecords->viewport());
    m_hints->blank(grdRecords->horizontalHeader());

    connect(cmdEsporta, &QToolButton::clicked, this, &TArchiveExportScreen::cmdEsportaClick);
    connect(cmdGuida, &QToolButton::clicked, this, &TArchiveExportScreen::cmdGuidaClick);
    connect(cmdEsci, &QToolButton::clicked, this, &TArchiveExportScreen::cmdEsciClick);
}

void TArchiveExportScreen::showEvent(QShowEvent *e)
{
    TDialog::showEvent(e);
    if (!m_filled && !e->spontaneous()) {
        m_filled = true;
        fill();
    }
}

void TArchiveExportScreen::fill()
{
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    const bool complete = m_model->load(m_kind.path(), m_kind.recordSize);
    QApplication::restoreOverrideCursor();
    // An archive that cannot be read is said so, never passed off as an empty or a short one.
    if (!complete)
        Msg::error(Msg::accessText(), this);
}

void TArchiveExportScreen::cmdEsportaClick()
{
    // A cell still being edited belongs to the export: moving the current cell commits it.
    const QModelIndex current = grdRecords->currentIndex();
    grdRecords->setCurrentIndex(QModelIndex());
    grdRecords->setCurrentIndex(current);
    Export::run(m_model->sheet(m_kind.fileName, m_kind.worksheet), this);
}

void TArchiveExportScreen::cmdGuidaClick() { ShowHelpTopic(this, m_kind.helpTopic); }

void TArchiveExportScreen::cmdEsciClick() { reject(); }
