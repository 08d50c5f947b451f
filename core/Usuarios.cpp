#include "core/Usuarios.h"
#include "base/Anulacao.h"
#include "base/Parametros.h"
#include "base/UnitLog.h"
#include <QCoreApplication>

namespace Usuarios {

const QString kSqlLista = QStringLiteral(
    "SELECT * FROM USUARIO WHERE ID_USUARIO <> 1 AND ID_USUARIO NOT IN (SELECT ID_USUARIO FROM ANULACAO) "
    "ORDER BY ID_USUARIO");

const QStringList &colunasDireitos()
{
    static const QStringList c{QStringLiteral("INCLUI"),      QStringLiteral("ALTERA"),     QStringLiteral("EXCLUI"),
                               QStringLiteral("CONSULTA"),    QStringLiteral("IMPRIME"),    QStringLiteral("UTILITARIOS"),
                               QStringLiteral("PARAMETROS"),  QStringLiteral("MOVIMENTOS"), QStringLiteral("USUARIOS"),
                               QStringLiteral("ACESSO_TOTAL")};
    return c;
}

const QStringList &legendasDireitos()
{
    static const QStringList l{QStringLiteral("Incluir"),
                               QStringLiteral("Alterar"),
                               QStringLiteral("Excluir"),
                               QStringLiteral("Consultar"),
                               QStringLiteral("Imprimir Relatórios"),
                               QStringLiteral("Utilitários"),
                               QStringLiteral("Parâmetros"),
                               QStringLiteral("Financeiro"),
                               QStringLiteral("Usuários"),
                               QStringLiteral("Acessar o Sistema com Acesso Total")};
    return l;
}

void salvarPermissoes(ConexaoBanco &conexao, qint64 idUsuario, const QString &login, const QList<bool> &direitos)
{
    const QStringList &colunas = colunasDireitos();
    QStringList atribuicoes;
    Valores valores;
    for (int i = 0; i < colunas.size(); ++i) {
        atribuicoes.append(colunas[i] + QStringLiteral(" = ?"));
        valores.append(direitos.value(i) ? QStringLiteral("S") : QStringLiteral("N"));
    }
    valores.append(idUsuario);
    conexao.emTransacao([&] {
        conexao.executar(QStringLiteral("UPDATE USUARIO SET ") + atribuicoes.join(QStringLiteral(", "))
                                 + QStringLiteral(" WHERE ID_USUARIO = ?"),
                             valores);
        RegistrarLog(conexao, QStringLiteral("Atualizou Permissões do Usuário -> ") + login);
    });
}

void excluir(ConexaoBanco &conexao, qint64 idUsuario, const QString &login)
{
    conexao.emTransacao([&] {
        Anulacao::registrar(conexao, QStringLiteral("ID_USUARIO"), idUsuario);
        RegistrarLog(conexao, QStringLiteral("Excluiu Usuário -> ") + login);
    });
}

void espelharUsuariosPDV(ConexaoBanco &conexao)
{
    if (tParametros().texto(QStringLiteral("UTILIZA_FISCAL")) != QLatin1String("S"))
        return;
    const QList<Linha> usuarios = conexao.lerTodas(QStringLiteral(
        "SELECT ID_USUARIO, LOGIN, SENHA, MOVIMENTOS, ACESSO_TOTAL FROM USUARIO "
        "WHERE ID_USUARIO NOT IN (SELECT ID_USUARIO FROM ANULACAO) ORDER BY ID_USUARIO"));
    const QString limite = tParametros().dinheiro(QStringLiteral("LIMITE_DESCONTO")).sql();
    try {
        ConexaoBanco &pdv = DM->ConexaoPDV;
        pdv.garantirConectada();
        pdv.emTransacao([&] {
            pdv.executar(QStringLiteral("DELETE FROM USUARIOS_PDV"));
            const QString um = QStringLiteral("1");
            for (const Linha &u : usuarios) {
                const QString desconto = u.texto(QStringLiteral("ACESSO_TOTAL")) == QLatin1String("S")
                    ? QStringLiteral("100")
                    : limite;
                pdv.executar(QStringLiteral(
                                 "INSERT INTO USUARIOS_PDV (ID, NOME, SENHA, CHK_VENDAS, CHK_VENDA_CHECKOUT, "
                                 "PE_ABRE_GAVETA, PE_SUPRIMENTO_SANGRIA, PE_LEITURA_X, PE_CANCELA_CUPOM, "
                                 "PE_REDUCAO_Z, PE_MEMORIA_FISCAL, PE_CANCELA_ITEM, PE_LIBERA_VENDA_ATRASO, "
                                 "PE_LIBERA_VENDA_LIMITE_EXC, PE_LIBERA_VENDA_INADIMPLENTE, VINCULADO_AO_VENDEDOR, "
                                 "PE_LIBERA_DESCONTO, PE_MAXIMO_DESCONTO) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                             {u.texto(QStringLiteral("ID_USUARIO")), u.texto(QStringLiteral("LOGIN")),
                              u.texto(QStringLiteral("SENHA")), um, um, um, um, um, um, um, um, um, um, um, um, um, um,
                              desconto});
            }
        });
        // The generator at the highest key only once the new rows are
        // committed (a generator's change survives a rollback), so the
        // companion's own next user does not clash with the hotel's keys.
        qint64 maior = 0;
        for (const Linha &u : usuarios)
            maior = qMax(maior, u.inteiro(QStringLiteral("ID_USUARIO")));
        pdv.executar(QStringLiteral("SET GENERATOR GEN_USUARIOS_PDV_ID TO %1").arg(maior));
    } catch (const ErroBanco &e) {
        throw ErroBanco(QStringLiteral("Não foi possível atualizar os usuários do Zentro PDV; "
                                       "a alteração foi salva neste sistema.\n\n")
                            + e.texto(),
                        e.codigo());
    }
    QCoreApplication::processEvents();
}

} // namespace Usuarios
