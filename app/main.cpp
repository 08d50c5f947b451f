// Start-up only: each step is in core/Inicializacao; a step that fails has
// shown its message and the program ends there.
#include "base/Aplicacao.h"
#include "core/Inicializacao.h"
#include "base/UnitDM.h"
#include "core/UnitLocalizaBD.h"
#include "app/UnitQuintara.h"
#include "core/UnitSplash.h"
#include "platform/InstanciaUnica.h"

int main(int argc, char **argv)
{
    TAplicacao app(argc, argv);
    Inicio::traduzirDialogosPadrao(app);

    InstanciaUnica instancia(QStringLiteral("InstanciaIniciada"));
    if (!Inicio::mostrar(Inicio::verificarInstanciaUnica(instancia)))
        return 0;

    // Without the workstation file the locator asks for the database and
    // the program must be started again.
    if (Inicio::arquivoParam().isEmpty()) {
        TFrmLocalizaBD localizador;
        FrmLocalizaBD = &localizador;
        localizador.exec();
        return 0;
    }

    TDM dm;
    DM = &dm;
    // From here a SIGTERM or SIGINT ends the program through its own exit.
    TAplicacao::tratarSinaisDeEncerramento(encerrarPorSinal);
    Inicio::SequenciaInicio sequencia(dm.Conexao);
    {
        TFrmSplash splash(sequencia);
        FrmSplash = &splash;
        const int r = splash.executar();
        FrmSplash = nullptr;
        if (r != QDialog::Accepted)
            return 0;
    }
    if (!Inicio::mostrar(sequencia.depoisDoSplash()))
        return 0;

    TFrmQuintara janela;
    janela.showMaximized();
    const int r = app.exec();
    TAplicacao::restaurarSinais();
    return r;
}
