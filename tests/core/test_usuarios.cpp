// Users and permissions: the record form's checks and saves, the users list
// with its shortcuts, deletion through the register and the rights panel.
#include "base/Telas.h"
#include "core/UnitCadUsu.h"
#include "core/UnitUsuarios.h"
#include "support/TelasTeste.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

class Usuarios_ : public TelasTeste {
protected:
    qint64 usuario(const QString &login, const QString &senha = QStringLiteral("123"))
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA) VALUES (?, ?) RETURNING ID_USUARIO"),
                   {login, senha})
            .toLongLong();
    }
    Linha linhaUsuario(qint64 id)
    {
        return banco().ler(QStringLiteral("SELECT * FROM USUARIO WHERE ID_USUARIO = ?"), {id});
    }
    QString direitos(qint64 id)
    {
        const Linha l = linhaUsuario(id);
        QString r;
        for (const QString &c : Usuarios::colunasDireitos())
            r += l.texto(c);
        return r;
    }
    qint64 usuarios() { return contar(QStringLiteral("SELECT COUNT(*) FROM USUARIO")); }
    static QStringList logins(TFrmUsuarios *f)
    {
        QStringList r;
        for (int i = 0; i < f->lista->modelo()->total(); ++i)
            r << f->lista->modelo()->texto(i, QStringLiteral("LOGIN"));
        return r;
    }
};

} // namespace

TEST_F(Usuarios_, ValidacoesNaoGravamNada)
{
    const qint64 antes = usuarios();
    struct {
        const char *login, *senha, *confirmacao;
        const char *mensagem;
        CadUsu::Campo foco;
        bool limpaSenhas;
    } casos[] = {
        {"", "A", "A", "Nome de Usuário Inválido!", CadUsu::Campo::Login, false},
        {"   ", "A", "A", "Nome de Usuário Inválido!", CadUsu::Campo::Login, false},
        {"MARIA", "", "A", "Senha Inválida!", CadUsu::Campo::Senha, false},
        {"MARIA", "A", "", "Confirmação de Senha Inválida!", CadUsu::Campo::Confirmacao, false},
        {"MARIA", "ABC", "ABD", "Senha Confirmada Não Confere!", CadUsu::Campo::Login, true},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.mensagem);
        const CadUsu::Resultado r =
            CadUsu::confirmar(DM->Conexao, QStringLiteral("N_U"), 0, {}, QString::fromUtf8(c.login), QString::fromUtf8(c.senha),
                              QString::fromUtf8(c.confirmacao));
        EXPECT_FALSE(r.salvo);
        EXPECT_EQ(r.mensagem, QString::fromUtf8(c.mensagem));
        EXPECT_EQ(r.foco, c.foco);
        EXPECT_EQ(r.limparSenhas, c.limpaSenhas);
    }
    // a password change that does not match goes back to the password
    const qint64 id = usuario(QStringLiteral("JOSE"));
    EXPECT_EQ(CadUsu::confirmar(DM->Conexao, QStringLiteral("A_S"), id, QStringLiteral("JOSE"), QStringLiteral("JOSE"),
                                QStringLiteral("X"), QStringLiteral("Y"))
                  .foco,
              CadUsu::Campo::Senha);
    EXPECT_EQ(usuarios(), antes + 1);
    EXPECT_EQ(linhaUsuario(id).texto(QStringLiteral("SENHA")), QStringLiteral("123"));
    EXPECT_TRUE(logs().isEmpty());
}

TEST_F(Usuarios_, IncluiAlteraERecusaLoginRepetido)
{
    // new user: no right until edited
    CadUsu::Resultado r = CadUsu::confirmar(DM->Conexao, QStringLiteral("N_U"), 0, {}, QStringLiteral("MARIA"),
                                            QStringLiteral("SEGREDO"), QStringLiteral("SEGREDO"));
    EXPECT_TRUE(r.salvo);
    EXPECT_EQ(r.mensagem, QStringLiteral("Usuário Cadastrado com Sucesso! Verifique as Permissões!"));
    const Linha maria = banco().ler(QStringLiteral("SELECT * FROM USUARIO WHERE LOGIN = 'MARIA'"));
    const qint64 idMaria = maria.inteiro(QStringLiteral("ID_USUARIO"));
    EXPECT_EQ(maria.texto(QStringLiteral("SENHA")), QStringLiteral("SEGREDO"));
    EXPECT_EQ(direitos(idMaria), QStringLiteral("NNNNNNNNNN"));

    // the same login again, and a deleted user's login: refused, all three emptied
    const qint64 apagado = usuario(QStringLiteral("ANTIGO"));
    banco().executar(QStringLiteral("INSERT INTO ANULACAO (ID_USUARIO) VALUES (?)"), {apagado});
    for (const QString &login : {QStringLiteral("MARIA"), QStringLiteral("ANTIGO")}) {
        r = CadUsu::confirmar(DM->Conexao, QStringLiteral("N_U"), 0, {}, login, QStringLiteral("X"), QStringLiteral("X"));
        EXPECT_FALSE(r.salvo);
        EXPECT_EQ(r.mensagem, QStringLiteral("Usuário Já Cadastrado!"));
        EXPECT_TRUE(r.limparLogin && r.limparSenhas);
        EXPECT_EQ(r.foco, CadUsu::Campo::Login);
    }
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM USUARIO WHERE LOGIN IN ('MARIA', 'ANTIGO')")), 2);

    // a changed login that another user has: refused, nothing changes
    const qint64 idJose = usuario(QStringLiteral("JOSE"), QStringLiteral("111"));
    r = CadUsu::confirmar(DM->Conexao, QStringLiteral("A_U"), idJose, QStringLiteral("JOSE"), QStringLiteral("MARIA"),
                          QStringLiteral("111"), QStringLiteral("111"));
    EXPECT_FALSE(r.salvo);
    EXPECT_EQ(r.mensagem, QStringLiteral("Usuário Já Cadastrado!"));
    EXPECT_FALSE(r.limparLogin || r.limparSenhas);
    EXPECT_EQ(linhaUsuario(idJose).texto(QStringLiteral("LOGIN")), QStringLiteral("JOSE"));

    // a new login for JOSE, then a new password: both logged
    r = CadUsu::confirmar(DM->Conexao, QStringLiteral("A_U"), idJose, QStringLiteral("JOSE"), QStringLiteral("JOSEF"),
                          QStringLiteral("111"), QStringLiteral("111"));
    EXPECT_TRUE(r.salvo);
    EXPECT_EQ(r.mensagem, QStringLiteral("Usuário Alterado com Sucesso! Verifique as Permissões!"));
    r = CadUsu::confirmar(DM->Conexao, QStringLiteral("A_S"), idJose, QStringLiteral("JOSEF"), QStringLiteral("JOSEF"),
                          QStringLiteral("NOVA"), QStringLiteral("NOVA"));
    EXPECT_TRUE(r.salvo);
    const Linha jose = linhaUsuario(idJose);
    EXPECT_EQ(jose.texto(QStringLiteral("LOGIN")), QStringLiteral("JOSEF"));
    EXPECT_EQ(jose.texto(QStringLiteral("SENHA")), QStringLiteral("NOVA"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM USUARIO WHERE ID_USUARIO <> ? AND LOGIN = 'JOSEF'"),
                     {idJose}),
              0);
    EXPECT_EQ(logs(), (QStringList{QStringLiteral("ADMIN|Incluiu Usuário -> MARIA"),
                                   QStringLiteral("ADMIN|Atualizou Usuário -> JOSEF"),
                                   QStringLiteral("ADMIN|Atualizou Usuário -> JOSEF")}));
}

// Another workstation saves the same login between this one's check and its
// insert (a trigger commits it on its own, as the other workstation would):
// the database refuses the second login and the form says so.
TEST_F(Usuarios_, LoginGravadoPorOutraEstacaoNoMesmoMomento)
{
    banco().executar(QStringLiteral(
        "CREATE TRIGGER T_OUTRA_ESTACAO FOR USUARIO BEFORE INSERT AS BEGIN "
        "IF (NEW.SENHA <> 'OUTRA') THEN IN AUTONOMOUS TRANSACTION DO "
        "INSERT INTO USUARIO (LOGIN, SENHA) VALUES (NEW.LOGIN, 'OUTRA'); END"));
    const qint64 antes = usuarios();
    {
        const CadUsu::Resultado r = CadUsu::confirmar(DM->Conexao, QStringLiteral("N_U"), 0, {}, QStringLiteral("RITA"),
                                                      QStringLiteral("1"), QStringLiteral("1"));
        EXPECT_FALSE(r.salvo);
        EXPECT_EQ(r.mensagem, QStringLiteral("Usuário Já Cadastrado!"));
        EXPECT_TRUE(r.limparLogin && r.limparSenhas);
        EXPECT_EQ(r.foco, CadUsu::Campo::Login);
    }
    // One RITA, the other workstation's; nothing logged here.
    EXPECT_EQ(usuarios(), antes + 1);
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT SENHA FROM USUARIO WHERE LOGIN = 'RITA'")).texto(QStringLiteral("SENHA")),
              QStringLiteral("OUTRA"));
    EXPECT_TRUE(logs().isEmpty());

    // A changed login that another workstation has just taken.
    banco().executar(QStringLiteral("DROP TRIGGER T_OUTRA_ESTACAO"));
    const qint64 idJose = usuario(QStringLiteral("JOSE"));
    banco().executar(QStringLiteral(
        "CREATE TRIGGER T_OUTRA_ESTACAO FOR USUARIO BEFORE UPDATE AS BEGIN "
        "IF (NEW.LOGIN <> OLD.LOGIN) THEN IN AUTONOMOUS TRANSACTION DO "
        "INSERT INTO USUARIO (LOGIN, SENHA) VALUES (NEW.LOGIN, 'OUTRA'); END"));
    const CadUsu::Resultado r = CadUsu::confirmar(DM->Conexao, QStringLiteral("A_U"), idJose, QStringLiteral("JOSE"),
                                                  QStringLiteral("PAULO"), QStringLiteral("123"), QStringLiteral("123"));
    EXPECT_FALSE(r.salvo);
    EXPECT_EQ(r.mensagem, QStringLiteral("Usuário Já Cadastrado!"));
    EXPECT_EQ(linhaUsuario(idJose).texto(QStringLiteral("LOGIN")), QStringLiteral("JOSE"));
    EXPECT_TRUE(logs().isEmpty());
}

TEST_F(Usuarios_, FormularioDigitaMaiusculasConfirmaComF10ECancelaComF12)
{
    int vezes = 0;
    Telas::interceptar<TFrmCadUsu>([&](TFrmCadUsu *f) {
        ++vezes;
        ativar(f);
        EXPECT_EQ(f->windowTitle(), QStringLiteral("Novo Usuário"));
        EXPECT_EQ(focado(), f->edtUsuario);
        if (vezes == 1) {
            tecla(f->edtUsuario, Qt::Key_F12);
            return f->result();
        }
        digitar(f->edtUsuario, QStringLiteral("ana"));
        tecla(f->edtUsuario, Qt::Key_Return);
        EXPECT_EQ(focado(), f->edtSenha);
        digitar(f->edtSenha, QStringLiteral("abc12345678")); // at most 10 characters
        tecla(f->edtSenha, Qt::Key_Return);
        EXPECT_EQ(focado(), f->edtConfirmar);
        digitar(f->edtConfirmar, QStringLiteral("abc1234567"));
        tecla(f->edtConfirmar, Qt::Key_Return);
        EXPECT_EQ(focado(), f->btnConfirmar);
        msg->esperar(QStringLiteral("Usuário Cadastrado com Sucesso! Verifique as Permissões!"));
        tecla(f->edtConfirmar, Qt::Key_F10);
        return f->result();
    });
    EXPECT_EQ(Telas::abrir<TFrmCadUsu>(FrmCadUsu, QStringLiteral("N_U")), int(QDialog::Rejected));
    EXPECT_EQ(usuarios(), 1);
    EXPECT_EQ(Telas::abrir<TFrmCadUsu>(FrmCadUsu, QStringLiteral("N_U")), int(QDialog::Accepted));
    const Linha ana = banco().ler(QStringLiteral("SELECT * FROM USUARIO WHERE LOGIN = 'ANA'"));
    ASSERT_FALSE(ana.vazia());
    EXPECT_EQ(ana.texto(QStringLiteral("SENHA")), QStringLiteral("ABC1234567"));
}

TEST_F(Usuarios_, FormularioLimpaCamposComoManda)
{
    usuario(QStringLiteral("ANA"));
    Telas::interceptar<TFrmCadUsu>([&](TFrmCadUsu *f) {
        ativar(f);
        f->edtUsuario->setText(QStringLiteral("BETO"));
        f->edtSenha->setText(QStringLiteral("A"));
        f->edtConfirmar->setText(QStringLiteral("B"));
        msg->esperar(QStringLiteral("Senha Confirmada Não Confere!"));
        f->btnConfirmar->click();
        EXPECT_EQ(f->edtUsuario->text(), QStringLiteral("BETO"));
        EXPECT_TRUE(f->edtSenha->text().isEmpty());
        EXPECT_TRUE(f->edtConfirmar->text().isEmpty());
        EXPECT_EQ(focado(), f->edtUsuario);

        f->edtUsuario->setText(QStringLiteral("ANA"));
        f->edtSenha->setText(QStringLiteral("A"));
        f->edtConfirmar->setText(QStringLiteral("A"));
        msg->esperar(QStringLiteral("Usuário Já Cadastrado!"));
        f->btnConfirmar->click();
        EXPECT_TRUE(f->edtUsuario->text().isEmpty());
        EXPECT_TRUE(f->edtSenha->text().isEmpty());
        EXPECT_TRUE(f->edtConfirmar->text().isEmpty());
        EXPECT_TRUE(f->isVisible());
        return int(QDialog::Rejected);
    });
    Telas::abrir<TFrmCadUsu>(FrmCadUsu, QStringLiteral("N_U"));
    EXPECT_EQ(usuarios(), 2);
}

TEST_F(Usuarios_, ListaAtalhosAlteracoesEExclusao)
{
    const qint64 idJose = usuario(QStringLiteral("JOSE"), QStringLiteral("111"));
    const qint64 idAna = usuario(QStringLiteral("ANA"), QStringLiteral("222"));
    const qint64 apagado = usuario(QStringLiteral("APAGADO"));
    banco().executar(QStringLiteral("INSERT INTO ANULACAO (ID_USUARIO) VALUES (?)"), {apagado});

    QStringList tiposAbertos;
    Telas::interceptar<TFrmCadUsu>([&](TFrmCadUsu *f) {
        tiposAbertos << f->tipo();
        EXPECT_EQ(FrmUsuarios->Tipo, f->tipo());
        if (f->tipo() == QLatin1String("A_U")) {
            EXPECT_EQ(f->windowTitle(), QStringLiteral("Alterar Usuário"));
            EXPECT_EQ(f->edtUsuario->text(), QStringLiteral("JOSE"));
            EXPECT_EQ(f->edtSenha->text(), QStringLiteral("111"));
            EXPECT_FALSE(f->edtSenha->isEnabled());
            EXPECT_FALSE(f->edtConfirmar->isEnabled());
            f->edtUsuario->setText(QStringLiteral("JOSUE"));
            msg->esperar(QStringLiteral("Usuário Alterado com Sucesso! Verifique as Permissões!"));
            f->btnConfirmar->click();
        } else if (f->tipo() == QLatin1String("A_S")) {
            EXPECT_EQ(f->windowTitle(), QStringLiteral("Alterar Senha"));
            EXPECT_FALSE(f->edtUsuario->isEnabled());
            EXPECT_TRUE(f->edtSenha->isEnabled());
        }
        return f->result();
    });

    Telas::interceptar<TFrmUsuarios>([&](TFrmUsuarios *f) {
        ativar(f);
        EXPECT_EQ(f->windowTitle(), QStringLiteral("Usuários e Permissões"));
        // user 1 and deleted users are not listed
        EXPECT_EQ(logins(f), (QStringList{QStringLiteral("JOSE"), QStringLiteral("ANA")}));
        EXPECT_EQ(f->dbgUsuarios->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Código"));
        EXPECT_EQ(f->dbgUsuarios->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Usuário"));
        EXPECT_EQ(focado(), f->btnFechar);
        EXPECT_FALSE(f->pnlPermissoes->isVisible());
        QWidget *grade = f->dbgUsuarios;

        tecla(grade, Qt::Key_Insert); // alter the first user's login
        EXPECT_EQ(logins(f), (QStringList{QStringLiteral("JOSUE"), QStringLiteral("ANA")}));
        f->btnAlterarSenha->click();

        // Delete: No keeps the user, Yes deletes it and the list lands on the next row
        msg->esperar(QStringLiteral("Deseja Realmente Excluir Esse Usuário?"), Mensagem::Nao);
        tecla(grade, Qt::Key_Delete);
        EXPECT_EQ(logins(f).size(), 2);
        msg->esperar(QStringLiteral("Deseja Realmente Excluir Esse Usuário?"), Mensagem::Sim)
            .esperar(QStringLiteral("Usuário Excluído com Sucesso!"));
        tecla(grade, Qt::Key_Delete);
        EXPECT_EQ(logins(f), QStringList{QStringLiteral("ANA")});
        EXPECT_EQ(f->lista->inteiro(QStringLiteral("ID_USUARIO")), idAna);

        msg->esperar(QStringLiteral("Deseja Realmente Excluir Esse Usuário?"), Mensagem::Sim)
            .esperar(QStringLiteral("Usuário Excluído com Sucesso!"));
        tecla(grade, Qt::Key_Delete);
        // an empty list: only "Novo Usuário" stays enabled
        EXPECT_TRUE(f->lista->vazia());
        EXPECT_TRUE(f->btnNovo->isEnabled());
        EXPECT_FALSE(f->btnAlterar->isEnabled());
        EXPECT_FALSE(f->btnAlterarSenha->isEnabled());
        EXPECT_FALSE(f->btnExcluir->isEnabled());
        tecla(grade, Qt::Key_Delete); // nothing to delete, no question

        tecla(grade, Qt::Key_X, Qt::ControlModifier);
        EXPECT_FALSE(f->isVisible());
        return f->result();
    });
    abrirUsuarios();
    EXPECT_EQ(FrmUsuarios, nullptr);
    EXPECT_EQ(tiposAbertos, (QStringList{QStringLiteral("A_U"), QStringLiteral("A_S")}));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM ANULACAO WHERE ID_USUARIO IN (?, ?)"), {idJose, idAna}), 2);
    // the deleted users keep their rows, and nothing else is marked in their register rows
    EXPECT_EQ(usuarios(), 4);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM ANULACAO WHERE ID_FORNECEDOR <> 0 OR ID_CLIENTE <> 0")), 0);
    EXPECT_EQ(logs(), (QStringList{QStringLiteral("ADMIN|Atualizou Usuário -> JOSUE"),
                                   QStringLiteral("ADMIN|Excluiu Usuário -> JOSUE"),
                                   QStringLiteral("ADMIN|Excluiu Usuário -> ANA")}));
}

TEST_F(Usuarios_, NovoUsuarioPeloF2)
{
    Telas::interceptar<TFrmCadUsu>([&](TFrmCadUsu *f) {
        EXPECT_EQ(FrmUsuarios->Tipo, QStringLiteral("N_U"));
        f->edtUsuario->setText(QStringLiteral("CAIO"));
        f->edtSenha->setText(QStringLiteral("9"));
        f->edtConfirmar->setText(QStringLiteral("9"));
        msg->esperar(QStringLiteral("Usuário Cadastrado com Sucesso! Verifique as Permissões!"));
        f->btnConfirmar->click();
        return f->result();
    });
    Telas::interceptar<TFrmUsuarios>([&](TFrmUsuarios *f) {
        ativar(f);
        EXPECT_TRUE(f->lista->vazia()); // only user 1 exists
        EXPECT_FALSE(f->btnExcluir->isEnabled());
        tecla(f->dbgUsuarios, Qt::Key_F2);
        EXPECT_EQ(logins(f), QStringList{QStringLiteral("CAIO")});
        EXPECT_TRUE(f->btnExcluir->isEnabled());
        return int(QDialog::Rejected);
    });
    abrirUsuarios();
}

TEST_F(Usuarios_, PainelDePermissoes)
{
    const qint64 id = usuario(QStringLiteral("BIA"));
    banco().executar(QStringLiteral("UPDATE USUARIO SET ALTERA = 'S', MOVIMENTOS = 'S', ACESSO_TOTAL = 'X' "
                                    "WHERE ID_USUARIO = ?"),
                     {id});
    Telas::interceptar<TFrmCadUsu>([&](TFrmCadUsu *) -> int {
        ADD_FAILURE() << "nenhum formulário abre enquanto as permissões estão abertas";
        return QDialog::Rejected;
    });
    Telas::interceptar<TFrmUsuarios>([&](TFrmUsuarios *f) {
        ativar(f);
        QWidget *grade = f->dbgUsuarios;
        // No: nothing changes
        msg->esperar(QStringLiteral("Deseja Editar as Permissões de 'BIA' ?"), Mensagem::Nao);
        tecla(grade, Qt::Key_Return);
        EXPECT_FALSE(f->pnlPermissoes->isVisible());

        msg->esperar(QStringLiteral("Deseja Editar as Permissões de 'BIA' ?"), Mensagem::Sim);
        emit f->lista->ativada(); // double click
        EXPECT_TRUE(f->pnlPermissoes->isVisible());
        EXPECT_FALSE(f->pnlBotoes->isVisible());
        EXPECT_FALSE(grade->isEnabled());
        QString marcados;
        for (QCheckBox *c : f->chkDireitos)
            marcados += c->isChecked() ? QLatin1Char('S') : QLatin1Char('N');
        EXPECT_EQ(marcados, QStringLiteral("NSNNNNNSNN")); // "X" is not a right
        EXPECT_EQ(f->chkDireitos.last()->text(), QStringLiteral("Acessar o Sistema com Acesso Total"));

        // the list's shortcuts do not act while the buttons are hidden
        tecla(f->chkDireitos.first(), Qt::Key_F2);
        tecla(f->chkDireitos.first(), Qt::Key_Delete);

        f->chkDireitos[0]->setChecked(true);  // INCLUI
        f->chkDireitos[1]->setChecked(false); // ALTERA
        f->chkDireitos[9]->setChecked(true);  // ACESSO_TOTAL
        f->btnConfirmarPermissoes->click();
        EXPECT_FALSE(f->pnlPermissoes->isVisible());
        EXPECT_TRUE(f->pnlBotoes->isVisible());
        EXPECT_TRUE(grade->isEnabled());
        return int(QDialog::Rejected);
    });
    abrirUsuarios();
    EXPECT_EQ(direitos(id), QStringLiteral("SNNNNNNSNS"));
    EXPECT_EQ(direitos(1), QStringLiteral("SSSSSSSSSS")); // user 1 untouched
    EXPECT_EQ(logs(), QStringList{QStringLiteral("ADMIN|Atualizou Permissões do Usuário -> BIA")});
}

TEST_F(Usuarios_, FecharDescartaPermissoesNaoConfirmadasETelaCabeNoMonitor)
{
    const qint64 id = usuario(QStringLiteral("LEO"));
    Telas::interceptar<TFrmUsuarios>([&](TFrmUsuarios *f) {
        f->setAttribute(Qt::WA_DontShowOnScreen);
        f->show();
        ativar(f);
        EXPECT_FALSE(f->imgCabecalho->pixmap().isNull()) << "a figura do cabeçalho da janela principal";
        // the rights panel open: the list fits a 1024 x 700 monitor
        msg->esperar(QStringLiteral("Deseja Editar as Permissões de 'LEO' ?"), Mensagem::Sim);
        emit f->lista->ativada();
        EXPECT_TRUE(f->pnlPermissoes->isVisible());
        EXPECT_LE(f->minimumSizeHint().width(), 1024);
        EXPECT_LE(f->minimumSizeHint().height(), 700);
        EXPECT_LE(f->width(), 1024);
        EXPECT_LE(f->height(), 700);
        // the screen can still be left while the rights are edited, with Ctrl+X too
        EXPECT_FALSE(f->btnNovo->isVisible());
        EXPECT_TRUE(f->btnFechar->isVisible());
        EXPECT_TRUE(f->btnFechar->isEnabled());
        for (QCheckBox *c : f->chkDireitos)
            c->setChecked(true);
        tecla(f->chkDireitos.first(), Qt::Key_X, Qt::ControlModifier);
        EXPECT_FALSE(f->isVisible());
        return f->result();
    });
    abrirUsuarios();
    EXPECT_EQ(direitos(id), QStringLiteral("NNNNNNNNNN")); // nothing confirmed, nothing written
    EXPECT_TRUE(logs().isEmpty());
}
