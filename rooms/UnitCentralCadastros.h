#pragma once
// The registry hub: one button per register of the other subsystems
// ("Estoque de Itens", "Pontos de Venda (PDV's)", "Produtos e Serviços",
// "Fornecedores", "Funcionários"). Each register's subsystem sets the screen
// its button opens; a button whose screen is not set is disabled.
#include <QDialog>
#include <functional>

class QPushButton;

namespace CentralCadastros {

struct Ganchos {
    std::function<void()> itens;             // TFrmItens
    std::function<void()> pdv;               // TFrmPDV
    std::function<void()> produtosServicos;  // TFrmProdutosServicos
    std::function<void()> fornecedores;      // TFrmFornecedores
    std::function<void()> funcionarios;      // TFrmFuncionarios
};
Ganchos &ganchos();

} // namespace CentralCadastros

class TFrmCentralCadastros : public QDialog {
    Q_OBJECT
public:
    explicit TFrmCentralCadastros(QWidget *parent = nullptr);

    QPushButton *btnItens;
    QPushButton *btnPDV;
    QPushButton *btnProdutosServicos;
    QPushButton *btnFornecedores;
    QPushButton *btnFuncionarios;
    QPushButton *btnSair;

public slots:
    void btnItensClick();
    void btnPDVClick();
    void btnProdutosServicosClick();
    void btnFornecedoresClick();
    void btnFuncionariosClick();

protected:
    void showEvent(QShowEvent *e) override;
};

extern TFrmCentralCadastros *FrmCentralCadastros;

void abrirCentralCadastros();
