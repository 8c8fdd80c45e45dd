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

namespace {
using E = TArchiveExportScreen;
const ScreenKit::Command<E> kCommands[] = {
    // clang-format off
    {&E::cmdEsporta, "cmdEsporta", "esporta", "Esporta", "Esporta l'archivio in formato Microsoft Excel.",
     &E::cmdEsportaClick},
    {&E::cmdGuida, "cmdGuida", "guida", "Guida", "Visualizza la pagina della guida sensibile al contesto.",
     &E::cmdGuidaClick},
    {&E::cmdEsci, "cmdEsci", "esci", "Esci", "Esci da questo ambiente di lavoro.", &E::cmdEsciClick},
    // clang-format on
};
} // namespace

TArchiveExportScreen::TArchiveExportScreen(QWidget *parent, const Kind &kind)
    : TDialog(parent, kind.caption, QSize(1000, 620)), m_kind(kind), m_model(new RecordGridModel(kind.columns, this))
{
    panInfo = new QLabel(QStringLiteral("Esportazione archivio in Microsoft Excel."), this);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    m_hints = new ScreenKit::Hints(panInfo, this);
    ScreenKit::commands<TArchiveExportScreen>(this, this, m_hints, kCommands, 32);

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
