#include "core/Parametros.h"

void TParametros::recarregar()
{
    m_linha = DM->Conexao.ler(QStringLiteral("SELECT * FROM PARAMETROS"));
}

TParametros &tParametros()
{
    static TParametros p;
    return p;
}
