#include "core/Lixeira.h"
#include "base/Anulacao.h"
#include "core/Usuarios.h"
#include "base/UnitLog.h"

namespace Lixeira {

const QList<Definicao> &definicoes()
{
    static const QList<Definicao> d{
        {Tipo::Clientes, QStringLiteral("Clientes"),
         QStringLiteral("SELECT ID_CLIENTE, NOME FROM CLIENTE WHERE EXCLUIDO = 'S'"), QStringLiteral("ID_CLIENTE"),
         QStringLiteral("NOME"), QStringLiteral("Nome"),
         QStringLiteral("Para Restaurar um cliente, selecione o botão retaurar na tela de Clientes"), {}, {}},
        {Tipo::Usuarios, QStringLiteral("Usuários"),
         QStringLiteral(
             "SELECT ID_USUARIO, LOGIN FROM USUARIO WHERE ID_USUARIO IN (SELECT ID_USUARIO FROM ANULACAO)"),
         QStringLiteral("ID_USUARIO"), QStringLiteral("LOGIN"), QStringLiteral("Usuário"), {}, {},
         QStringLiteral("ID_USUARIO")},
        {Tipo::Funcionarios, QStringLiteral("Funcionários"),
         QStringLiteral("SELECT ID_FUNCIONARIO, NOME FROM FUNCIONARIO WHERE ID_FUNCIONARIO IN "
                        "(SELECT ID_FUNCIONARIO FROM ANULACAO)"),
         QStringLiteral("ID_FUNCIONARIO"), QStringLiteral("NOME"), QStringLiteral("Nome"), {}, {},
         QStringLiteral("ID_FUNCIONARIO")},
        {Tipo::UnidadesHabitacionais, QStringLiteral("Unidades Habitacionais"),
         QStringLiteral("SELECT ID_UH, DESCRICAO FROM UH WHERE EXCLUIDO = 'S'"), QStringLiteral("ID_UH"),
         QStringLiteral("DESCRICAO"), QStringLiteral("Descrição"), {},
         QStringLiteral("UPDATE UH SET EXCLUIDO = 'N' WHERE ID_UH = ? AND EXCLUIDO = 'S'"), {}},
        {Tipo::Fornecedores, QStringLiteral("Fornecedores"),
         QStringLiteral("SELECT ID_FORNECEDOR, NOME FROM FORNECEDOR WHERE ID_FORNECEDOR IN "
                        "(SELECT ID_FORNECEDOR FROM ANULACAO)"),
         QStringLiteral("ID_FORNECEDOR"), QStringLiteral("NOME"), QStringLiteral("Nome"), {}, {},
         QStringLiteral("ID_FORNECEDOR")},
        {Tipo::Reservas, QStringLiteral("Reservas"),
         QStringLiteral("SELECT ID_RESERVA, OBS FROM RESERVA WHERE ID_RESERVA IN (SELECT ID_RESERVA FROM ANULACAO)"),
         QStringLiteral("ID_RESERVA"), QStringLiteral("OBS"), QStringLiteral("Observação"), {}, {},
         QStringLiteral("ID_RESERVA")},
        {Tipo::EntradaHospedes, QStringLiteral("Entrada de Hóspedes"),
         QStringLiteral("SELECT ID_WALK_IN, MOTIVO FROM WALK_IN WHERE EXCLUIDO = 'S'"), QStringLiteral("ID_WALK_IN"),
         QStringLiteral("MOTIVO"), QStringLiteral("Motivo"),
         QStringLiteral("Não é possivel restaurar entradas canceladas"), {}, {}},
        {Tipo::ProdutosServicos, QStringLiteral("Produtos e Serviços"),
         QStringLiteral(
             "SELECT ID_P_S, DESCRICAO FROM PRODUTOS_SERVICOS WHERE EXCLUIDO = 'S' ORDER BY DESCRICAO"),
         QStringLiteral("ID_P_S"), QStringLiteral("DESCRICAO"), QStringLiteral("Descrição"), {},
         QStringLiteral("UPDATE PRODUTOS_SERVICOS SET EXCLUIDO = 'N' WHERE ID_P_S = ? AND EXCLUIDO = 'S'"), {}},
    };
    return d;
}

const Definicao &definicao(Tipo tipo) { return definicoes()[int(tipo)]; }

ResultadoRestauro restaurar(ConexaoBanco &conexao, Tipo tipo, qint64 chave)
{
    const Definicao &d = definicao(tipo);
    if (!d.recusa.isEmpty())
        return {Restauro::Recusado, d.recusa};
    const bool restaurado = conexao.emTransacao([&] {
        const bool feito = d.atualizacao.isEmpty() ? Anulacao::restaurar(conexao, d.colunaAnulacao, chave)
                                                   : conexao.executar(d.atualizacao, {chave}) > 0;
        if (feito)
            RegistrarLog(conexao, QStringLiteral("Restaurou Informação -> (") + d.colunaChave + QLatin1Char('-')
                         + QString::number(chave) + QLatin1Char(')'));
        return feito;
    });
    if (!restaurado)
        return {Restauro::NaoEncontrado, kJaRestaurada};
    if (tipo == Tipo::Usuarios)
        Usuarios::espelharUsuariosPDV(conexao);
    return {Restauro::Restaurado, kSucesso};
}

} // namespace Lixeira
