// The deletion register and the recycle bin.
#include "base/Anulacao.h"
#include "base/Telas.h"
#include "core/UnitAnulacoes.h"
#include "support/TelasTeste.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

namespace {

class Anulacoes : public TelasTeste {
protected:
    qint64 inserir(const QString &sql, const Valores &v = {}) { return banco().valor(sql, v).toLongLong(); }

    // One deleted record of every kind, plus live ones that must not show.
    struct Dados {
        qint64 cliente, clienteRestrito, usuario, funcionario, uh, fornecedor, reserva, estadia, produto;
    };
    Dados povoar()
    {
        Dados d{};
        d.cliente = inserir(QStringLiteral(
            "INSERT INTO CLIENTE (NOME, EXCLUIDO) VALUES ('CALOTEIRO', 'S') RETURNING ID_CLIENTE"));
        d.clienteRestrito = inserir(QStringLiteral(
            "INSERT INTO CLIENTE (NOME, EXCLUIDO) VALUES ('RESTRITO', 'R') RETURNING ID_CLIENTE"));
        d.usuario = inserir(
            QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA) VALUES ('SAIU', '1') RETURNING ID_USUARIO"));
        inserir(QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA) VALUES ('FICOU', '1') RETURNING ID_USUARIO"));
        d.funcionario = inserir(QStringLiteral(
            "INSERT INTO FUNCIONARIO (NOME, CPF) VALUES ('DEMITIDA', '000') RETURNING ID_FUNCIONARIO"));
        d.uh = inserir(QStringLiteral("INSERT INTO UH (DESCRICAO, EXCLUIDO) VALUES ('QUARTO 9', 'S') RETURNING ID_UH"));
        inserir(QStringLiteral("INSERT INTO UH (DESCRICAO) VALUES ('QUARTO 1') RETURNING ID_UH"));
        d.fornecedor = inserir(
            QStringLiteral("INSERT INTO FORNECEDOR (NOME) VALUES ('FORNECE') RETURNING ID_FORNECEDOR"));
        d.reserva = inserir(QStringLiteral("INSERT INTO RESERVA (OBS) VALUES ('GRUPO') RETURNING ID_RESERVA"));
        d.estadia = inserir(QStringLiteral(
            "INSERT INTO WALK_IN (EXCLUIDO, MOTIVO) VALUES ('S', 'DESISTIU') RETURNING ID_WALK_IN"));
        d.produto = inserir(QStringLiteral(
            "INSERT INTO PRODUTOS_SERVICOS (DESCRICAO, EXCLUIDO) VALUES ('CERVEJA', 'S') RETURNING ID_P_S"));
        Anulacao::registrar(DM->Conexao, QStringLiteral("ID_USUARIO"), d.usuario);
        Anulacao::registrar(DM->Conexao, QStringLiteral("ID_FUNCIONARIO"), d.funcionario);
        Anulacao::registrar(DM->Conexao, QStringLiteral("ID_FORNECEDOR"), d.fornecedor);
        Anulacao::registrar(DM->Conexao, QStringLiteral("ID_RESERVA"), d.reserva);
        return d;
    }
    QStringList listar(Lixeira::Tipo t)
    {
        const Lixeira::Definicao &d = Lixeira::definicao(t);
        QStringList r;
        for (const Linha &l : banco().lerTodas(d.sql))
            r << l.texto(d.colunaChave) + QLatin1Char(' ') + l.texto(d.colunaTexto);
        return r;
    }
};

} // namespace

TEST_F(Anulacoes, RegistroUsaColunaDaListaFixaENuncaNulo)
{
    EXPECT_THROW(Anulacao::registrar(DM->Conexao, QStringLiteral("ID_USUARIO) VALUES (1); --"), 1), ErroSistema);
    EXPECT_THROW(Anulacao::registrar(DM->Conexao, QStringLiteral("LOGIN"), 1), ErroSistema);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM ANULACAO")), 0);

    const qint64 id = Anulacao::registrar(DM->Conexao, QStringLiteral("ID_FORNECEDOR"), 5);
    const Linha l = banco().ler(QStringLiteral("SELECT * FROM ANULACAO WHERE ID_ANULACAO = ?"), {id});
    for (const QString &c : Anulacao::colunas()) {
        EXPECT_FALSE(l.nulo(c)) << c.toStdString();
        EXPECT_EQ(l.inteiro(c), c == QLatin1String("ID_FORNECEDOR") ? 5 : 0) << c.toStdString();
    }
    // a register row of another kind leaves every other list whole
    banco().executar(QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA) VALUES ('VIVO', '1')"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM USUARIO WHERE ")
                     + Anulacao::filtroNaoAnulados(QStringLiteral("ID_USUARIO"))),
              2);
    EXPECT_TRUE(Anulacao::anulado(DM->Conexao, QStringLiteral("ID_FORNECEDOR"), 5));
    EXPECT_FALSE(Anulacao::anulado(DM->Conexao, QStringLiteral("ID_FORNECEDOR"), 6));
    EXPECT_EQ(Anulacao::filtroNaoAnulados(QStringLiteral("ID_USUARIO"), QStringLiteral("U.ID_USUARIO")),
              QStringLiteral("U.ID_USUARIO NOT IN (SELECT ID_USUARIO FROM ANULACAO)"));
}

TEST_F(Anulacoes, CadaTipoListaSoOsExcluidos)
{
    const Dados d = povoar();
    const QStringList legendas{QStringLiteral("Clientes"), QStringLiteral("Usuários"),
                               QStringLiteral("Funcionários"), QStringLiteral("Unidades Habitacionais"),
                               QStringLiteral("Fornecedores"), QStringLiteral("Reservas"),
                               QStringLiteral("Entrada de Hóspedes"), QStringLiteral("Produtos e Serviços")};
    ASSERT_EQ(Lixeira::definicoes().size(), legendas.size());
    for (int i = 0; i < legendas.size(); ++i)
        EXPECT_EQ(Lixeira::definicoes()[i].legenda, legendas[i]);

    auto um = [](qint64 k, const char *t) { return QStringList{QString::number(k) + QLatin1Char(' ') + QString::fromUtf8(t)}; };
    EXPECT_EQ(listar(Lixeira::Tipo::Clientes), um(d.cliente, "CALOTEIRO")); // "R" restricted not listed
    EXPECT_EQ(listar(Lixeira::Tipo::Usuarios), um(d.usuario, "SAIU"));
    EXPECT_EQ(listar(Lixeira::Tipo::Funcionarios), um(d.funcionario, "DEMITIDA"));
    EXPECT_EQ(listar(Lixeira::Tipo::UnidadesHabitacionais), um(d.uh, "QUARTO 9"));
    EXPECT_EQ(listar(Lixeira::Tipo::Fornecedores), um(d.fornecedor, "FORNECE"));
    EXPECT_EQ(listar(Lixeira::Tipo::Reservas), um(d.reserva, "GRUPO"));
    EXPECT_EQ(listar(Lixeira::Tipo::EntradaHospedes), um(d.estadia, "DESISTIU"));
    EXPECT_EQ(listar(Lixeira::Tipo::ProdutosServicos), um(d.produto, "CERVEJA"));
}

TEST_F(Anulacoes, RestauraOuRecusaCadaTipo)
{
    const Dados d = povoar();
    const qint64 registrosAntes = contar(QStringLiteral("SELECT COUNT(*) FROM ANULACAO"));
    struct {
        Lixeira::Tipo tipo;
        qint64 chave;
        Lixeira::Restauro esperado;
        const char *mensagem;
        const char *log; // "" = nothing logged
    } casos[] = {
        {Lixeira::Tipo::Clientes, d.cliente, Lixeira::Restauro::Recusado,
         "Para Restaurar um cliente, selecione o botão retaurar na tela de Clientes", ""},
        {Lixeira::Tipo::EntradaHospedes, d.estadia, Lixeira::Restauro::Recusado,
         "Não é possivel restaurar entradas canceladas", ""},
        {Lixeira::Tipo::Usuarios, d.usuario, Lixeira::Restauro::Restaurado, "Informação Restaurada com Sucesso!",
         "ID_USUARIO"},
        {Lixeira::Tipo::Funcionarios, d.funcionario, Lixeira::Restauro::Restaurado,
         "Informação Restaurada com Sucesso!", "ID_FUNCIONARIO"},
        {Lixeira::Tipo::UnidadesHabitacionais, d.uh, Lixeira::Restauro::Restaurado,
         "Informação Restaurada com Sucesso!", "ID_UH"},
        {Lixeira::Tipo::Fornecedores, d.fornecedor, Lixeira::Restauro::Restaurado,
         "Informação Restaurada com Sucesso!", "ID_FORNECEDOR"},
        {Lixeira::Tipo::Reservas, d.reserva, Lixeira::Restauro::Restaurado, "Informação Restaurada com Sucesso!",
         "ID_RESERVA"},
        {Lixeira::Tipo::ProdutosServicos, d.produto, Lixeira::Restauro::Restaurado,
         "Informação Restaurada com Sucesso!", "ID_P_S"},
    };
    QStringList logsEsperados;
    for (const auto &c : casos) {
        SCOPED_TRACE(c.mensagem);
        const Lixeira::ResultadoRestauro r = Lixeira::restaurar(DM->Conexao, c.tipo, c.chave);
        EXPECT_EQ(r.situacao, c.esperado);
        EXPECT_EQ(r.mensagem, QString::fromUtf8(c.mensagem));
        if (*c.log)
            logsEsperados << QStringLiteral("ADMIN|Restaurou Informação -> (%1-%2)").arg(QString::fromUtf8(c.log)).arg(c.chave);
        EXPECT_EQ(logs(), logsEsperados);
        // restored records leave the bin, refused ones stay
        const bool continua = c.esperado == Lixeira::Restauro::Recusado;
        EXPECT_EQ(listar(c.tipo).size(), continua ? 1 : 0);
    }
    // register kinds lost exactly one row each (4), EXCLUIDO kinds only their column
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM ANULACAO")), registrosAntes - 4);
    const Linha uh = banco().ler(QStringLiteral("SELECT * FROM UH WHERE ID_UH = ?"), {d.uh});
    EXPECT_EQ(uh.texto(QStringLiteral("EXCLUIDO")), QStringLiteral("N"));
    EXPECT_EQ(uh.texto(QStringLiteral("DESCRICAO")), QStringLiteral("QUARTO 9"));
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT EXCLUIDO FROM CLIENTE WHERE ID_CLIENTE = ?"), {d.cliente})
                  .texto(QStringLiteral("EXCLUIDO")),
              QStringLiteral("S"));
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT EXCLUIDO FROM WALK_IN WHERE ID_WALK_IN = ?"), {d.estadia})
                  .texto(QStringLiteral("EXCLUIDO")),
              QStringLiteral("S"));

    // already restored (by another workstation): nothing written, nothing logged
    const Lixeira::ResultadoRestauro de_novo = Lixeira::restaurar(DM->Conexao, Lixeira::Tipo::UnidadesHabitacionais, d.uh);
    EXPECT_EQ(de_novo.situacao, Lixeira::Restauro::NaoEncontrado);
    EXPECT_EQ(de_novo.mensagem, QStringLiteral("Esta Informação Já Foi Restaurada!"));
    EXPECT_EQ(Lixeira::restaurar(DM->Conexao, Lixeira::Tipo::Fornecedores, d.fornecedor).situacao,
              Lixeira::Restauro::NaoEncontrado);
    EXPECT_EQ(logs(), logsEsperados);
}

TEST_F(Anulacoes, RegistroDuploPrecisaDeDoisRestauros)
{
    const qint64 f = inserir(QStringLiteral("INSERT INTO FORNECEDOR (NOME) VALUES ('DUAS') RETURNING ID_FORNECEDOR"));
    Anulacao::registrar(DM->Conexao, QStringLiteral("ID_FORNECEDOR"), f);
    Anulacao::registrar(DM->Conexao, QStringLiteral("ID_FORNECEDOR"), f);
    EXPECT_EQ(Lixeira::restaurar(DM->Conexao, Lixeira::Tipo::Fornecedores, f).situacao, Lixeira::Restauro::Restaurado);
    EXPECT_EQ(listar(Lixeira::Tipo::Fornecedores).size(), 1);
    EXPECT_EQ(Lixeira::restaurar(DM->Conexao, Lixeira::Tipo::Fornecedores, f).situacao, Lixeira::Restauro::Restaurado);
    EXPECT_TRUE(listar(Lixeira::Tipo::Fornecedores).isEmpty());
}

TEST_F(Anulacoes, UsuarioRestauradoVoltaAoPDV)
{
    prepararCompanheiros();
    parametro(QStringLiteral("UTILIZA_FISCAL"), QStringLiteral("S"));
    const qint64 u =
        inserir(QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA) VALUES ('VOLTA', '1') RETURNING ID_USUARIO"));
    Anulacao::registrar(DM->Conexao, QStringLiteral("ID_USUARIO"), u);
    EXPECT_EQ(Lixeira::restaurar(DM->Conexao, Lixeira::Tipo::Usuarios, u).situacao, Lixeira::Restauro::Restaurado);
    EXPECT_EQ(DM->ConexaoPDV.valor(QStringLiteral("SELECT NOME FROM USUARIOS_PDV WHERE ID = ?"), {u}).toString(),
              QStringLiteral("VOLTA"));
}

TEST_F(Anulacoes, TelaDaLixeira)
{
    const Dados d = povoar();
    Telas::interceptar<TFrmAnulacoes>([&](TFrmAnulacoes *f) {
        ativar(f);
        EXPECT_EQ(f->windowTitle(), QStringLiteral("Lixeira"));
        EXPECT_FALSE(f->escolhido());
        for (QRadioButton *rb : f->rbTipos)
            EXPECT_FALSE(rb->isChecked());
        QTableView *grade = f->dbgAnulado;
        tecla(grade, Qt::Key_Return); // nothing chosen: nothing happens

        // refused kind: the message only, no question
        f->rbTipos[int(Lixeira::Tipo::Clientes)]->click();
        EXPECT_EQ(f->lista->modelo()->total(), 1);
        EXPECT_EQ(grade->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Código"));
        msg->esperar(QStringLiteral("Para Restaurar um cliente, selecione o botão retaurar na tela de Clientes"));
        emit f->lista->ativada();

        // a room: No keeps it, Yes restores it and the list is read again
        f->rbTipos[int(Lixeira::Tipo::UnidadesHabitacionais)]->click();
        EXPECT_EQ(f->lista->inteiro(QStringLiteral("ID_UH")), d.uh);
        EXPECT_EQ(grade->model()->data(grade->model()->index(0, 1)).toString(), QStringLiteral("QUARTO 9"));
        msg->esperar(QStringLiteral("Deseja Realmente Restaurar essa Anulação?"), Mensagem::Nao);
        tecla(grade, Qt::Key_Return);
        EXPECT_EQ(f->lista->modelo()->total(), 1);
        msg->esperar(QStringLiteral("Deseja Realmente Restaurar essa Anulação?"), Mensagem::Sim)
            .esperar(QStringLiteral("Informação Restaurada com Sucesso!"));
        emit f->lista->ativada();
        EXPECT_TRUE(f->lista->vazia());

        // an empty list: nothing happens, nothing is logged
        tecla(grade, Qt::Key_Return);
        f->btnSair->click();
        return f->result();
    });
    abrirAnulacoes();
    EXPECT_EQ(FrmAnulacoes, nullptr);
    EXPECT_EQ(logs(), QStringList{QStringLiteral("ADMIN|Restaurou Informação -> (ID_UH-%1)").arg(d.uh)});
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT EXCLUIDO FROM UH WHERE ID_UH = ?"), {d.uh}).texto(QStringLiteral("EXCLUIDO")),
              QStringLiteral("N"));
}

TEST_F(Anulacoes, TelaDaLixeiraCabeNoMonitorComOsOitoTipos)
{
    Telas::interceptar<TFrmAnulacoes>([&](TFrmAnulacoes *f) {
        f->setAttribute(Qt::WA_DontShowOnScreen);
        f->show();
        EXPECT_FALSE(f->imgCabecalho->pixmap().isNull()) << "a figura do cabeçalho da janela principal";
        EXPECT_EQ(f->rbTipos.size(), 8);
        EXPECT_LE(f->minimumSizeHint().width(), 1024);
        EXPECT_LE(f->minimumSizeHint().height(), 700);
        EXPECT_LE(f->width(), 1024);
        EXPECT_LE(f->height(), 700);
        f->btnSair->click();
        return f->result();
    });
    abrirAnulacoes();
}

TEST_F(Anulacoes, FalhaNaCopiaParaOPDVNaoDeixaOUsuarioRestauradoNaLista)
{
    // The point of sale's database cannot be opened: the user is restored in
    // this system all the same, the error is told and the bin shows it gone.
    parametro(QStringLiteral("UTILIZA_FISCAL"), QStringLiteral("S"));
    DM->ConexaoPDV.definirCaminho(pasta() + QStringLiteral("/nao-existe/BANCO.FDB"));
    const qint64 u =
        inserir(QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA) VALUES ('VOLTA', '1') RETURNING ID_USUARIO"));
    Anulacao::registrar(DM->Conexao, QStringLiteral("ID_USUARIO"), u);
    Telas::interceptar<TFrmAnulacoes>([&](TFrmAnulacoes *f) {
        f->rbTipos[int(Lixeira::Tipo::Usuarios)]->click();
        EXPECT_EQ(f->lista->modelo()->total(), 1);
        msg->esperar(QStringLiteral("Deseja Realmente Restaurar essa Anulação?"), Mensagem::Sim);
        EXPECT_THROW(f->dbgAnuladoDblClick(), ErroBanco);
        EXPECT_TRUE(f->lista->vazia());
        return int(QDialog::Rejected);
    });
    abrirAnulacoes();
    EXPECT_FALSE(Anulacao::anulado(DM->Conexao, QStringLiteral("ID_USUARIO"), u));
}
