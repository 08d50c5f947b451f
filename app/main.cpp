// Start-up only.
#include "core/Aplicacao.h"
#include "core/Caminhos.h"
#include "core/Mensagem.h"
#include "core/UnitDM.h"

#include <QMainWindow>
#include <QSettings>
#include <QFile>

int main(int argc, char **argv)
{
    TAplicacao app(argc, argv);
    const QString ini = Caminhos::naInstalacao(QStringLiteral("param.ini"));
    if (!QFile::exists(ini)) {
        Mensagem::info(QStringLiteral("O Sistema Não Pode Ser Iniciado sem um Banco de Dados!"));
        return 1;
    }
    QSettings param(ini, QSettings::IniFormat);
    TDM dm;
    DM = &dm;
    dm.Conexao.definirCaminho(param.value(QStringLiteral("BD/CAMINHO")).toString());
    try {
        dm.Conexao.conectar();
    } catch (const ErroBanco &) {
        Mensagem::erro(QStringLiteral("Servidor de Banco de Dados Firebird não iniciado!"));
        return 1;
    }
    QMainWindow janela;
    janela.setWindowTitle(QStringLiteral("Zentro Vedez 4 - Sistema de Gestão Hoteleira"));
    janela.resize(1024, 700);
    janela.show();
    return app.exec();
}
