#include "stays/UnitBuscarVeiculo.h"

#include "base/Grade.h"
#include "base/UnitDM.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

TFrmBuscarVeiculo *FrmBuscarVeiculo = nullptr;

TFrmBuscarVeiculo::TFrmBuscarVeiculo(qint64 idCliente, QLineEdit *edtModelo, QLineEdit *edtPlaca, QWidget *parent)
    : QDialog(parent), m_modelo(edtModelo), m_placa(edtPlaca)
{
    setWindowTitle(QStringLiteral("Buscar Veículo"));
    resize(420, 300);
    auto *v = new QVBoxLayout(this);
    DBGrid1 = new QTableWidget(0, 2, this);
    DBGrid1->setHorizontalHeaderLabels({QStringLiteral("Modelo"), QStringLiteral("Placa")});
    prepararGrade(DBGrid1);
    DBGrid1->setColumnWidth(0, 250);
    v->addWidget(DBGrid1);
    const QList<Linha> linhas = DM->Conexao.lerTodas(
        QStringLiteral("SELECT DISTINCT V.MODELO, V.PLACA FROM VEICULO V JOIN WALK_IN W ON W.ID_WALK_IN = V.ID_ENTRADA "
                       "WHERE W.ID_CLIENTE = ? ORDER BY V.MODELO, V.PLACA"),
        {idCliente});
    DBGrid1->setRowCount(int(linhas.size()));
    for (int i = 0; i < linhas.size(); ++i) {
        DBGrid1->setItem(i, 0, new QTableWidgetItem(linhas[i].texto(QStringLiteral("MODELO"))));
        DBGrid1->setItem(i, 1, new QTableWidgetItem(linhas[i].texto(QStringLiteral("PLACA"))));
    }
    if (!linhas.isEmpty())
        DBGrid1->selectRow(0);
    DBGrid1->installEventFilter(this);
    connect(DBGrid1, &QTableWidget::cellDoubleClicked, this, &TFrmBuscarVeiculo::escolher);
    DBGrid1->setFocus();
}

void TFrmBuscarVeiculo::escolher()
{
    const int r = DBGrid1->currentRow();
    if (r >= 0 && r < DBGrid1->rowCount() && !DBGrid1->item(r, 0)->text().isEmpty()) {
        if (m_modelo)
            m_modelo->setText(DBGrid1->item(r, 0)->text());
        if (m_placa)
            m_placa->setText(DBGrid1->item(r, 1)->text());
    }
    accept();
}

bool TFrmBuscarVeiculo::eventFilter(QObject *o, QEvent *e)
{
    if (o == DBGrid1 && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            escolher();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}
