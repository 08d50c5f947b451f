-- Settings row, users, activity log, presence, nightly-posting days,
-- deletion register, internal chat and reminders

/* ------------------------------------------------------------------------
   PARAMETROS: the single settings row shared by every workstation.
   It comes with the database and is never inserted or deleted by the
   program; the settings screen rewrites it with one UPDATE.
   ------------------------------------------------------------------------ */
CREATE TABLE PARAMETROS (
  ID_PARAMETROS                  INTEGER NOT NULL,

  /* company */
  RAZAO_SOCIAL                   VARCHAR(90) DEFAULT '',
  NOME_FANTASIA                  VARCHAR(90) DEFAULT '',
  CNPJ                           VARCHAR(18) DEFAULT '',
  ENDERECO                       VARCHAR(150) DEFAULT '',
  BAIRRO                         VARCHAR(50) DEFAULT '',
  CIDADE                         VARCHAR(50) DEFAULT '',
  UF                             VARCHAR(2) DEFAULT '',
  CEP                            VARCHAR(9) DEFAULT '',
  /* phones hold what their edits accept: up to 20 characters unmasked,
     "(99)99999-9999" masked */
  FONE1                          VARCHAR(20) DEFAULT '',
  FONE2                          VARCHAR(20) DEFAULT '',
  FAX                            VARCHAR(20) DEFAULT '',
  HOMEPAGE                       VARCHAR(100) DEFAULT '',
  EMAIL                          VARCHAR(100) DEFAULT '',
  LOGO                           VARCHAR(250) DEFAULT '',

  /* data-entry options */
  VERIF_AUTO                     VARCHAR(1) DEFAULT 'N' NOT NULL,
  VERIF_CPF_CNPJ                 VARCHAR(1) DEFAULT 'S' NOT NULL,
  UTILIZA_GAVETA                 VARCHAR(1) DEFAULT 'N' NOT NULL,
  VERIF_IE                       VARCHAR(1) DEFAULT 'N' NOT NULL,
  PONTO_DEFINIDO                 CHAR(1) DEFAULT 'N' NOT NULL,
  ACENTOS                        CHAR(1) DEFAULT 'S' NOT NULL,
  FECHAR_CAIXA_OUTRO_PC          CHAR(1) DEFAULT 'N' NOT NULL,
  DIARIA_CENTRAL_UH              CHAR(1) DEFAULT 'N' NOT NULL,
  CPFFONESEMFORMATO              CHAR(1) DEFAULT 'N' NOT NULL,
  CLIENTE_TODOS_CAMPOS           CHAR(1) DEFAULT 'N' NOT NULL,
  FONE_SEM_FORMATO               VARCHAR(1) DEFAULT 'N' NOT NULL,

  /* printing (page size in millimetres) */
  LOGORELLARGO                   VARCHAR(1) DEFAULT 'N' NOT NULL,
  UTILIZA_CUPOM                  VARCHAR(1) DEFAULT 'N' NOT NULL,
  IMPRESSAOLARGURA               NUMERIC(9,2) DEFAULT 210 NOT NULL,
  IMPRESSAOCOMPRIMENTO           NUMERIC(9,2) DEFAULT 297 NOT NULL,
  UTILIZA_FISCAL                 CHAR(1) DEFAULT 'N' NOT NULL,
  COMPROVANTE_PEQ                VARCHAR(1) DEFAULT 'N' NOT NULL,

  /* front desk, time clock and payroll */
  DATAFOLHAPAG                   INTEGER DEFAULT 5 NOT NULL,
  ALTERA_DIARIA                  CHAR(1) DEFAULT 'N' NOT NULL,
  LIMITE_DESCONTO                NUMERIC(9,2) DEFAULT 10 NOT NULL,
  DIARIA_MAIOR                   CHAR(1) DEFAULT 'N' NOT NULL,
  TEMPO_EXCLUIR                  TIME DEFAULT '00:30:00' NOT NULL,
  FOTO_PONTO                     CHAR(1) DEFAULT 'N' NOT NULL,
  TOLERANCIA_PONTO               TIME DEFAULT '00:10:00' NOT NULL,
  TOLERANCIA_ATRASO              TIME DEFAULT '00:10:00' NOT NULL,
  PERMITIR_MARCACAO_MANUAL       CHAR(1) DEFAULT 'N' NOT NULL,
  TRAVAR_HOSPEDES                CHAR(1) DEFAULT 'N' NOT NULL,
  LEITOS                         INTEGER DEFAULT 0 NOT NULL,

  /* appearance */
  MODELO_IMG                     CHAR(1) DEFAULT '0' NOT NULL,
  CALENDARIO                     CHAR(1) DEFAULT 'S' NOT NULL,
  LOGO_PRINCIPAL                 CHAR(1) DEFAULT 'S' NOT NULL,

  /* single-occupancy policy (off while no weekday is ticked) */
  INICIO_POLITICA                TIME DEFAULT '00:00:00' NOT NULL,
  TERMINO_POLITICA               TIME DEFAULT '00:00:00' NOT NULL,
  POLITICA_SEGUNDA               CHAR(1) DEFAULT 'N' NOT NULL,
  POLITICA_TERCA                 CHAR(1) DEFAULT 'N' NOT NULL,
  POLITICA_QUARTA                CHAR(1) DEFAULT 'N' NOT NULL,
  POLITICA_QUINTA                CHAR(1) DEFAULT 'N' NOT NULL,
  POLITICA_SEXTA                 CHAR(1) DEFAULT 'N' NOT NULL,
  POLITICA_SABADO                CHAR(1) DEFAULT 'N' NOT NULL,
  POLITICA_DOMINGO               CHAR(1) DEFAULT 'N' NOT NULL,
  PERCENTUAL_POLITICA_INDIVIDUAL NUMERIC(9,2) DEFAULT 0 NOT NULL,
  TEMPO_ALTERAR_FORMA            TIME DEFAULT '00:30:00' NOT NULL,

  /* fiscal printer */
  ALIQUOTADIARIA                 CHAR(2) DEFAULT 'II' NOT NULL,
  AGRUPARCONSUMOFISCAL           CHAR(1) DEFAULT 'N' NOT NULL,

  /* satisfaction-survey page */
  HOST                           VARCHAR(50) DEFAULT '',
  HOST_USU                       VARCHAR(50) DEFAULT '',
  HOST_SENHA                     VARCHAR(50) DEFAULT '',
  COR1                           VARCHAR(20) DEFAULT '$00C08000',
  COR2                           VARCHAR(20) DEFAULT '$00C08000',
  TEXTO_APRESENTACAO             VARCHAR(250) DEFAULT '',
  EMAIL_USU                      VARCHAR(50) DEFAULT '',
  EMAIL_SENHA                    VARCHAR(50) DEFAULT '',
  IMAGEM_LOGO_PESQUISA           VARCHAR(250) DEFAULT '',
  LINK_RODAPE                    VARCHAR(100) DEFAULT '',
  TEXTO_RODAPE                   VARCHAR(100) DEFAULT '',
  NOME_BD                        VARCHAR(50) DEFAULT '',
  USUARIO_BD                     VARCHAR(50) DEFAULT '',
  SENHA_BD                       VARCHAR(50) DEFAULT '',
  TEXTO_EMAIL                    VARCHAR(500) DEFAULT '',

  /* motel mode */
  MODO_MOTEL                     VARCHAR(1) DEFAULT 'N' NOT NULL,
  INICIO_PERNOITE                TIME DEFAULT '20:00:00' NOT NULL,
  TERMINO_PERNOITE               TIME DEFAULT '12:00:00' NOT NULL,
  DESCONSIDERAR_PERNOITE         TIME DEFAULT '04:00:00' NOT NULL,
  PERNOITE_SEGUNDA               CHAR(1) DEFAULT 'S' NOT NULL,
  PERNOITE_TERCA                 CHAR(1) DEFAULT 'S' NOT NULL,
  PERNOITE_QUARTA                CHAR(1) DEFAULT 'S' NOT NULL,
  PERNOITE_QUINTA                CHAR(1) DEFAULT 'S' NOT NULL,
  PERNOITE_SEXTA                 CHAR(1) DEFAULT 'S' NOT NULL,
  PERNOITE_SABADO                CHAR(1) DEFAULT 'S' NOT NULL,
  PERNOITE_DOMINGO               CHAR(1) DEFAULT 'S' NOT NULL,
  TEMPO_INICIAL                  TIME DEFAULT '02:00:00' NOT NULL,
  EXCEDENTE_CADA                 TIME DEFAULT '01:00:00' NOT NULL,
  TOLERANCIA_SAIDA               TIME DEFAULT '00:15:00' NOT NULL,
  MODO_TOUCH                     VARCHAR(1) DEFAULT 'N' NOT NULL,
  APENAS_ESPECIE                 VARCHAR(1) DEFAULT 'N' NOT NULL,
  NAO_DESPESA_AVULSA             VARCHAR(1) DEFAULT 'N' NOT NULL,

  /* restaurant (no screen edits these) */
  TAXA_ATEND                     NUMERIC(9,2) DEFAULT 10 NOT NULL,
  TAXA_EMBALAGEM                 NUMERIC(9,2) DEFAULT 0 NOT NULL,
  MODO_CARTAO                    CHAR(1) DEFAULT 'N' NOT NULL,
  MSGADICFISCAL                  VARCHAR(90) DEFAULT '',
  GARCON_IMP_COZINHA             VARCHAR(1) DEFAULT 'N' NOT NULL,
  MESA_APENAS_GARCON             CHAR(1) DEFAULT 'N' NOT NULL,
  NOME_CLIENTE_MESA              VARCHAR(1) DEFAULT 'N' NOT NULL,
  LINHAS_ANTES_CHAPA             VARCHAR(2) DEFAULT '0',
  NAO_CORTAR_PAPEL               CHAR(1) DEFAULT 'N',
  COD_PRODUTO_BALANCA            VARCHAR(20) DEFAULT '0',
  COD_PRODUTO_BALANCA_SOB        VARCHAR(20) DEFAULT '0',

  /* integration */
  NFCE                           VARCHAR(1) DEFAULT 'N' NOT NULL,
  ZENTROCONTROLE                 VARCHAR(1) DEFAULT 'N' NOT NULL,
  NFCE_AP_PROD                   VARCHAR(1) DEFAULT 'N' NOT NULL,

  /* schema version (the program refuses anything below 113) and the
     version of the program last run against this database */
  SCRIPT                         INTEGER DEFAULT 113 NOT NULL,
  ULTIMA_VERSAO                  VARCHAR(20) DEFAULT '',

  CONSTRAINT PK_PARAMETROS PRIMARY KEY (ID_PARAMETROS)
);

/* ------------------------------------------------------------------------
   USUARIO: logins, passwords (kept as typed) and the ten rights.
   A login is unique (deleted users keep theirs): two workstations creating
   the same login at once get one user, the other "Usuário Já Cadastrado!".
   Rights are "S"/"N"; a new user starts without any right.
   ------------------------------------------------------------------------ */
CREATE TABLE USUARIO (
  ID_USUARIO    INTEGER NOT NULL,
  LOGIN         VARCHAR(10) NOT NULL,
  SENHA         VARCHAR(10) NOT NULL,
  INCLUI        VARCHAR(1) DEFAULT 'N' NOT NULL,
  ALTERA        VARCHAR(1) DEFAULT 'N' NOT NULL,
  EXCLUI        VARCHAR(1) DEFAULT 'N' NOT NULL,
  CONSULTA      VARCHAR(1) DEFAULT 'N' NOT NULL,
  IMPRIME       VARCHAR(1) DEFAULT 'N' NOT NULL,
  UTILITARIOS   VARCHAR(1) DEFAULT 'N' NOT NULL,
  PARAMETROS    VARCHAR(1) DEFAULT 'N' NOT NULL,
  MOVIMENTOS    VARCHAR(1) DEFAULT 'N' NOT NULL,
  USUARIOS      VARCHAR(1) DEFAULT 'N' NOT NULL,
  ACESSO_TOTAL  VARCHAR(1) DEFAULT 'N' NOT NULL,
  CONSTRAINT PK_USUARIO PRIMARY KEY (ID_USUARIO),
  CONSTRAINT UNQ_USUARIO_LOGIN UNIQUE (LOGIN)
);

CREATE GENERATOR GEN_ID_USUARIO;

SET TERM ^ ;
CREATE TRIGGER USUARIO_BI FOR USUARIO ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_USUARIO IS NULL) THEN NEW.ID_USUARIO = GEN_ID(GEN_ID_USUARIO, 1);
END^
SET TERM ; ^

/* ------------------------------------------------------------------------
   LOG: activity log. Rows are only inserted, never changed. ANTES and
   DEPOIS are multi-line texts (before / after a change) that the log
   viewer compares line by line; they can be long (an e-mail body, a
   whole customer record), hence text blobs.
   ------------------------------------------------------------------------ */
CREATE TABLE LOG (
  ID_LOG     INTEGER NOT NULL,
  USUARIO    VARCHAR(10),
  OPERACAO   VARCHAR(250),
  DATA       DATE,
  HORA       TIME,
  ANTES      BLOB SUB_TYPE TEXT,
  DEPOIS     BLOB SUB_TYPE TEXT,
  CONSTRAINT PK_LOG PRIMARY KEY (ID_LOG)
);

CREATE INDEX IDX_LOG_DATA ON LOG (DATA, HORA);

CREATE GENERATOR GEN_ID_LOG;

SET TERM ^ ;
CREATE TRIGGER LOG_BI FOR LOG ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_LOG IS NULL) THEN NEW.ID_LOG = GEN_ID(GEN_ID_LOG, 1);
END^
SET TERM ; ^

/* ------------------------------------------------------------------------
   ONLINE: who is logged in on which workstation and on which screen.
   Rows are matched by USUARIO and MAQUINA together.
   ------------------------------------------------------------------------ */
CREATE TABLE ONLINE (
  ID_ONLINE  INTEGER NOT NULL,
  IP         VARCHAR(15),
  USUARIO    VARCHAR(10),
  MAQUINA    VARCHAR(100),
  ACAO       VARCHAR(100) DEFAULT '',
  CONSTRAINT PK_ONLINE PRIMARY KEY (ID_ONLINE)
);

CREATE INDEX IDX_ONLINE_USUARIO_MAQUINA ON ONLINE (USUARIO, MAQUINA);

CREATE GENERATOR GEN_ID_ONLINE;

SET TERM ^ ;
CREATE TRIGGER ONLINE_BI FOR ONLINE ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_ONLINE IS NULL) THEN NEW.ID_ONLINE = GEN_ID(GEN_ID_ONLINE, 1);
END^
SET TERM ; ^

/* ------------------------------------------------------------------------
   ATUALIZACAO: one row per day on which the nights of the open stays
   were posted (plus the first-start row). A day appears once: its row is
   written first in the posting's transaction and is the lock that keeps a
   second workstation from posting the same day.
   ------------------------------------------------------------------------ */
CREATE TABLE ATUALIZACAO (
  ID_ATUALIZACAO  INTEGER NOT NULL,
  DATA            DATE NOT NULL,
  CONSTRAINT PK_ATUALIZACAO PRIMARY KEY (ID_ATUALIZACAO),
  CONSTRAINT UNQ_ATUALIZACAO_DATA UNIQUE (DATA)
);

CREATE DESCENDING INDEX IDX_ATUALIZACAO_DATA_DESC ON ATUALIZACAO (DATA);

CREATE GENERATOR GEN_ID_ATUALIZACAO;

SET TERM ^ ;
CREATE TRIGGER ATUALIZACAO_BI FOR ATUALIZACAO ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_ATUALIZACAO IS NULL) THEN NEW.ID_ATUALIZACAO = GEN_ID(GEN_ID_ATUALIZACAO, 1);
END^
SET TERM ; ^

/* ------------------------------------------------------------------------
   ANULACAO: register of deleted records. A row carries one deleted key
   in the column of its kind and 0 in every other one. The columns are
   never NULL: lists leave deleted keys out with
   "... NOT IN (SELECT ID_x FROM ANULACAO)", which a single NULL would
   turn into "no row at all".
   ------------------------------------------------------------------------ */
CREATE TABLE ANULACAO (
  ID_ANULACAO       INTEGER NOT NULL,
  ID_USUARIO        INTEGER DEFAULT 0 NOT NULL,
  ID_FORNECEDOR     INTEGER DEFAULT 0 NOT NULL,
  ID_FUNCIONARIO    INTEGER DEFAULT 0 NOT NULL,
  ID_ITEM           INTEGER DEFAULT 0 NOT NULL,
  ID_PDV            INTEGER DEFAULT 0 NOT NULL,
  ID_TIPO_UH        INTEGER DEFAULT 0 NOT NULL,
  ID_CARAC_UH       INTEGER DEFAULT 0 NOT NULL,
  COD_GERAL_CHEQUE  INTEGER DEFAULT 0 NOT NULL,
  ID_CLIENTE        INTEGER DEFAULT 0 NOT NULL,
  ID_RESERVA        INTEGER DEFAULT 0 NOT NULL,
  ID_P_S            INTEGER DEFAULT 0 NOT NULL,
  ID_WALK_IN        INTEGER DEFAULT 0 NOT NULL,
  COD_GERAL_F_P     INTEGER DEFAULT 0 NOT NULL,
  COD_GERAL_ROY_P   INTEGER DEFAULT 0 NOT NULL,
  ID_PEDIDO         INTEGER DEFAULT 0 NOT NULL,
  CONSTRAINT PK_ANULACAO PRIMARY KEY (ID_ANULACAO)
);

/* every list filters on one of these columns, many of them per keystroke */
CREATE INDEX IDX_ANULACAO_USUARIO ON ANULACAO (ID_USUARIO);
CREATE INDEX IDX_ANULACAO_FORNECEDOR ON ANULACAO (ID_FORNECEDOR);
CREATE INDEX IDX_ANULACAO_FUNCIONARIO ON ANULACAO (ID_FUNCIONARIO);
CREATE INDEX IDX_ANULACAO_ITEM ON ANULACAO (ID_ITEM);
CREATE INDEX IDX_ANULACAO_PDV ON ANULACAO (ID_PDV);
CREATE INDEX IDX_ANULACAO_TIPO_UH ON ANULACAO (ID_TIPO_UH);
CREATE INDEX IDX_ANULACAO_CARAC_UH ON ANULACAO (ID_CARAC_UH);
CREATE INDEX IDX_ANULACAO_CHEQUE ON ANULACAO (COD_GERAL_CHEQUE);
CREATE INDEX IDX_ANULACAO_CLIENTE ON ANULACAO (ID_CLIENTE);
CREATE INDEX IDX_ANULACAO_RESERVA ON ANULACAO (ID_RESERVA);
CREATE INDEX IDX_ANULACAO_P_S ON ANULACAO (ID_P_S);
CREATE INDEX IDX_ANULACAO_WALK_IN ON ANULACAO (ID_WALK_IN);
CREATE INDEX IDX_ANULACAO_F_P ON ANULACAO (COD_GERAL_F_P);
CREATE INDEX IDX_ANULACAO_ROY_P ON ANULACAO (COD_GERAL_ROY_P);
CREATE INDEX IDX_ANULACAO_PEDIDO ON ANULACAO (ID_PEDIDO);

CREATE GENERATOR GEN_ID_ANULACAO;

SET TERM ^ ;
CREATE TRIGGER ANULACAO_BI FOR ANULACAO ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_ANULACAO IS NULL) THEN NEW.ID_ANULACAO = GEN_ID(GEN_ID_ANULACAO, 1);
END^
SET TERM ; ^

/* ------------------------------------------------------------------------
   CHAT: internal messages between logins. LIDA stays "N" until the
   recipient clears his received messages. Messages are never deleted.
   ------------------------------------------------------------------------ */
CREATE TABLE CHAT (
  ID_CHAT           INTEGER NOT NULL,
  ID_USUARIO_ENVIO  VARCHAR(10),
  ID_USUARIO_RECEB  VARCHAR(10),
  MENSAGEM          VARCHAR(250),
  DATA              DATE,
  HORA              TIME,
  LIDA              CHAR(1) DEFAULT 'N' NOT NULL,
  CONSTRAINT PK_CHAT PRIMARY KEY (ID_CHAT)
);

/* polled every second: unread messages, all or of one recipient */
CREATE INDEX IDX_CHAT_LIDA_RECEB ON CHAT (LIDA, ID_USUARIO_RECEB);

CREATE GENERATOR GEN_ID_CHAT;

SET TERM ^ ;
CREATE TRIGGER CHAT_BI FOR CHAT ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_CHAT IS NULL) THEN NEW.ID_CHAT = GEN_ID(GEN_ID_CHAT, 1);
END^
SET TERM ; ^

/* ------------------------------------------------------------------------
   LEMBRETE: reminders about stays (ID_ENTRADA = WALK_IN.ID_WALK_IN),
   due from DATA/HORA while CONCLUIDO is "N". Never deleted.
   ------------------------------------------------------------------------ */
CREATE TABLE LEMBRETE (
  ID_LEMBRETE  INTEGER NOT NULL,
  ID_ENTRADA   INTEGER,
  DATA         DATE,
  HORA         TIME,
  DESCRICAO    VARCHAR(250),
  USUARIO      VARCHAR(10),
  CONCLUIDO    CHAR(1) DEFAULT 'N' NOT NULL,
  CONSTRAINT PK_LEMBRETE PRIMARY KEY (ID_LEMBRETE)
);

/* polled every second: active reminders due by now */
CREATE INDEX IDX_LEMBRETE_DEVIDO ON LEMBRETE (CONCLUIDO, DATA, HORA);

CREATE GENERATOR GEN_ID_LEMBRETE;

SET TERM ^ ;
CREATE TRIGGER LEMBRETE_BI FOR LEMBRETE ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_LEMBRETE IS NULL) THEN NEW.ID_LEMBRETE = GEN_ID(GEN_ID_LEMBRETE, 1);
END^
SET TERM ; ^

/* ------------------------------------------------------------------------
   Rows of a new installation
   ------------------------------------------------------------------------ */

/* the settings row: a hotel (not motel) with placeholder company data;
   every other column takes its default above */
INSERT INTO PARAMETROS (ID_PARAMETROS, SCRIPT, RAZAO_SOCIAL, NOME_FANTASIA,
                        IMPRESSAOLARGURA, IMPRESSAOCOMPRIMENTO, MODO_MOTEL,
                        ULTIMA_VERSAO)
VALUES (1, 113, 'HOTEL MODELO LTDA', 'HOTEL MODELO', 210, 297, 'N', '');

/* the first user, with every right; it is not listed on the users screen */
INSERT INTO USUARIO (ID_USUARIO, LOGIN, SENHA, INCLUI, ALTERA, EXCLUI,
                     CONSULTA, IMPRIME, UTILITARIOS, PARAMETROS, MOVIMENTOS,
                     USUARIOS, ACESSO_TOTAL)
VALUES (1, 'ADMIN', 'ADMIN', 'S', 'S', 'S', 'S', 'S', 'S', 'S', 'S', 'S', 'S');

SET GENERATOR GEN_ID_USUARIO TO 1;
