#pragma once
// The correction panels of the stay list, laid over its grid: room, daily
// rate, guests, charged nights, payment method, cancellation reason and
// responsible customer (and the invoice flag's question). Each panel reads
// the selected stay when it opens and hands the work to stays/Correcoes;
// while a panel is open the list's grid (and for room, rate and guests its
// "Sair") is disabled.
#include "stays/Correcoes.h"

#include <QObject>
#include <array>

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QWidget;
class ContextoListaEstadias;

class CorrecoesWalkIn : public QObject {
    Q_OBJECT
public:
    explicit CorrecoesWalkIn(ContextoListaEstadias *lista);

    // Runs the list's action of that caption ("Alterar UH", "Alterar Valor da
    // Diária", "Alterar Hóspedes", "Alterar Diárias Cobradas", "Alterar Forma
    // de Pagamento", "Excluir Entrada", "Emissão de NF", "Alterar Cliente
    // Responsável") on the selected stay.
    void acao(const QString &legenda);

    // Room.
    QGroupBox *pnlUH;
    QLabel *lblUHAtual;
    QComboBox *cbUH;
    QPushButton *btnConfirmarUH;
    QPushButton *btnFecharUH;
    QGroupBox *pnlMotivoUH;
    QLineEdit *edtMotivoUH;
    QPushButton *btnConfirmarMotivoUH;
    QPushButton *btnCancelarMotivoUH;
    // Rate.
    QGroupBox *pnlDiaria;
    QLabel *lblUHDiaria;
    QLabel *lblValorAtual;
    QLabel *lblValorTabela;
    QLineEdit *edtNovoValor;
    QPushButton *btnConfirmarDiaria;
    QPushButton *btnFecharDiaria;
    // Guests.
    QGroupBox *pnlHospedes;
    QTableWidget *dbgHospedes;
    QPushButton *btnIncluirHospede;
    QPushButton *btnRemoverHospede;
    QPushButton *btnAlterarNome;
    QPushButton *btnConfirmarHospedes;
    QPushButton *btnFecharHospedes;
    QGroupBox *pnlNomeHospede;
    QLineEdit *edtNomeHospede;
    QPushButton *btnSalvarNome;
    QPushButton *btnFecharNome;
    // Charged nights.
    QGroupBox *pnlDiarias;
    QLabel *lblCodEntrada;
    QLabel *lblValorNoite;
    QLabel *lblDataNoite;
    QLabel *lblQtdNoite;
    QLineEdit *edtValorNoite;
    QTableWidget *dbgOcupacao;
    QPushButton *btnAlterarNoite;
    QPushButton *btnIncluirNoite;
    QPushButton *btnExcluirNoite;
    QPushButton *btnFecharDiarias;
    QGroupBox *pnlNovaNoite;
    QDateEdit *edtDataNoite;
    QLineEdit *edtValorNovaNoite;
    QPushButton *btnConfirmarNovaNoite;
    QPushButton *btnFecharNovaNoite;
    // Payment method.
    QGroupBox *pnlFormaPag;
    QLabel *lblTotalEstadia;
    std::array<QLineEdit *, 7> edtAnterior;
    std::array<QLineEdit *, 7> edtNova;
    QLabel *lblTotalNova;
    QPushButton *btnConfirmarForma;
    QPushButton *btnCancelarForma;
    // Cancellation.
    QGroupBox *pnlCancelar;
    QLineEdit *edtMotivoCancelamento;
    QPushButton *btnOKCancelamento;
    QPushButton *btnFecharCancelamento;
    // Responsible customer.
    QGroupBox *pnlCliente;
    QComboBox *cbClienteResp;
    QPushButton *btnConfirmarCliente;
    QPushButton *btnCancelarCliente;

    // The stay the open panel works on, as read when it opened.
    const Correcoes::Estadia &estadia() const { return m_estadia; }
    const QList<Correcoes::Hospede> &hospedesDoPainel() const { return m_hospedes; }

public slots:
    void alterarUHClick();
    void btnConfirmarUHClick();
    void btnConfirmarMotivoUHClick();
    void btnCancelarMotivoUHClick();
    void btnFecharUHClick();

    void alterarDiariaClick();
    void btnConfirmarDiariaClick();
    void btnFecharDiariaClick();

    void alterarHospedesClick();
    void btnIncluirHospedeClick();
    void btnAlterarNomeClick();
    void btnSalvarNomeClick();
    void btnFecharNomeClick();
    void btnRemoverHospedeClick();
    void btnConfirmarHospedesClick();
    void btnFecharHospedesClick();

    void diariasCobradasClick();
    void btnAlterarNoiteClick();
    void btnIncluirNoiteClick();
    void btnConfirmarNovaNoiteClick();
    void btnFecharNovaNoiteClick();
    void btnExcluirNoiteClick();
    void btnFecharDiariasClick();

    void formaPagClick();
    void btnConfirmarFormaClick();
    void btnCancelarFormaClick();

    void excluirEntradaClick();
    void btnOKCancelamentoClick();
    void btnFecharCancelamentoClick();

    void emissaoNFClick();

    void clienteResponsavelClick();
    void btnConfirmarClienteClick();
    void btnCancelarClienteClick();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void montarUH();
    void montarDiaria();
    void montarHospedes();
    void montarDiarias();
    void montarFormaPag();
    void montarCancelar();
    void montarCliente();
    QGroupBox *painel(const QString &titulo);
    void mostrarPainel(QWidget *p, int dy = 0);
    bool lerEstadia();
    // Grid (and "Sair") disabled while a panel is open.
    void travar(bool sair);
    void liberar();
    // After a refusal because the stay changed elsewhere: every panel closed,
    // the list read again.
    void recomecar(const Correcoes::Resultado &r);
    void abrirDiaria(bool comHospedes);
    void preencherHospedes();
    void carregarNoites(qint64 manter, bool ultima);
    void noiteMudou();
    void totalForma();
    void dinheiroEntrando(QLineEdit *e);
    void dinheiroSaindo(QLineEdit *e);

    ContextoListaEstadias *m_lista;
    Correcoes::Estadia m_estadia;
    Correcoes::Tabela m_tabela;
    bool m_diariaDosHospedes = false;
    QList<Correcoes::Hospede> m_hospedes;
    QList<Correcoes::Noite> m_noites;
    QList<QLineEdit *> m_dinheiro;
};
