-- Employees, time clock, work schedules and employee payments (the payroll
-- is generated into and printed from the payments book)

/* ------------------------------------------------------------------------
   FUNCIONARIO: employees. A deleted employee keeps the row; the deletion
   register ANULACAO holds its key. Turn times of 00:00:00 (entry and exit)
   mean the turn is not worked; hours owed are times used as durations.
   ------------------------------------------------------------------------ */
CREATE TABLE FUNCIONARIO (
  ID_FUNCIONARIO      INTEGER NOT NULL,
  NOME                VARCHAR(90),
  /* "999.999.999-99", punctuation included; the badge carries '0' and the
     11 digits, matched against '0' || CPF with the mask rebuilt */
  CPF                 VARCHAR(14) NOT NULL,
  RG                  VARCHAR(20),
  CTPS                VARCHAR(10),
  SERIE               VARCHAR(10),
  ENDERECO            VARCHAR(100),
  BAIRRO              VARCHAR(30),
  CIDADE              VARCHAR(30),
  ESTADO              VARCHAR(2),
  CEP                 VARCHAR(9),
  /* the record screen takes up to 20 characters when the phone mask is off;
     masked, "(99)99999-9999" after the ninth-digit update */
  FONE                VARCHAR(20),
  FONE_2              VARCHAR(20),
  EMAIL               VARCHAR(50),
  OBSERVACAO          VARCHAR(250),
  /* 01/01/1900 stands for a birth date not given */
  NASCIMENTO          DATE DEFAULT '1900-01-01',
  SANGUE              VARCHAR(3),
  AGENCIA             VARCHAR(10),
  CONTA               VARCHAR(10),
  SALARIO_BASE        NUMERIC(15,2) DEFAULT 0 NOT NULL,
  INSS                NUMERIC(9,2) DEFAULT 0 NOT NULL,
  NOME_CRACHA         VARCHAR(16),
  FUNCAO              VARCHAR(16),
  FOTO                VARCHAR(255),
  CAMAREIRA           CHAR(1) DEFAULT 'N' NOT NULL,
  SENHA_PONTO         VARCHAR(10),
  SOLICITA_PONTO      CHAR(1) DEFAULT 'N' NOT NULL,
  SOLICITA_PONTO_SAB  CHAR(1) DEFAULT 'N' NOT NULL,
  SOLICITA_PONTO_DOM  CHAR(1) DEFAULT 'N' NOT NULL,
  TURNO_1_ENT         TIME DEFAULT '00:00:00' NOT NULL,
  TURNO_1_SAI         TIME DEFAULT '00:00:00' NOT NULL,
  TURNO_2_ENT         TIME DEFAULT '00:00:00' NOT NULL,
  TURNO_2_SAI         TIME DEFAULT '00:00:00' NOT NULL,
  TURNO_3_ENT         TIME DEFAULT '00:00:00' NOT NULL,
  TURNO_3_SAI         TIME DEFAULT '00:00:00' NOT NULL,
  CARGA_HORARIA_DIA   TIME DEFAULT '00:00:00' NOT NULL,
  CARGA_HORARIA_SAB   TIME DEFAULT '00:00:00' NOT NULL,
  CARGA_HORARIA_DOM   TIME DEFAULT '00:00:00' NOT NULL,
  /* restaurant attendants: four-digit code and pre-sale password */
  COD_FUNCIONARIO     CHAR(4),
  SENHA_PREVENDA      VARCHAR(10),
  COMISSAO            NUMERIC(9,2) DEFAULT 0 NOT NULL,
  COMISSAO2           NUMERIC(9,2) DEFAULT 0 NOT NULL,
  COMISSAO3           NUMERIC(9,2) DEFAULT 0 NOT NULL,
  DEMITIDO            CHAR(1) DEFAULT 'N' NOT NULL,
  REPRESENTANTE       CHAR(1) DEFAULT 'N' NOT NULL,
  CONSTRAINT PK_FUNCIONARIO PRIMARY KEY (ID_FUNCIONARIO)
);

/* lists order by name; duplicate CPF check on save; restaurant code lookup */
CREATE INDEX IDX_FUNCIONARIO_NOME ON FUNCIONARIO (NOME);
CREATE INDEX IDX_FUNCIONARIO_CPF ON FUNCIONARIO (CPF);
CREATE INDEX IDX_FUNCIONARIO_COD ON FUNCIONARIO (COD_FUNCIONARIO);

CREATE GENERATOR GEN_ID_FUNCIONARIO;

SET TERM ^ ;
CREATE TRIGGER FUNCIONARIO_BI FOR FUNCIONARIO ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_FUNCIONARIO IS NULL) THEN NEW.ID_FUNCIONARIO = GEN_ID(GEN_ID_FUNCIONARIO, 1);
END^
SET TERM ; ^

/* ------------------------------------------------------------------------
   PONTO: time clock, one row per expected or punched entry or exit.
   An expected row is inserted open (DATA, HORA, OBS, USUARIO, MARCACAO_AUTO
   and ABONADO null) and filled by the punch; a missed one is closed with
   DATA/HORA copied from DATA_DEFINIDA/HORA_DEFINIDA and MARCACAO_AUTO 'S';
   clearing a punch makes the row open again (all those columns null).
   A free punch is inserted complete with HORA_DEFINIDA 00:00:00.
   ID_FUNCIONARIO holds the employee's key written as text.
   ------------------------------------------------------------------------ */
CREATE TABLE PONTO (
  ID_PONTO        INTEGER NOT NULL,
  ID_FUNCIONARIO  VARCHAR(14) NOT NULL,
  DATA_DEFINIDA   DATE,
  HORA_DEFINIDA   TIME DEFAULT '00:00:00',
  TIPO            CHAR(1),
  DATA            DATE,
  HORA            TIME,
  OBS             VARCHAR(250),
  USUARIO         VARCHAR(10),
  MARCACAO_AUTO   CHAR(1),
  ABONADO         CHAR(1),
  FOTO            VARCHAR(255),
  OK              CHAR(1),
  CONSTRAINT PK_PONTO PRIMARY KEY (ID_PONTO)
);

/* the main window looks for today's expected rows every second; the book
   lists a day by DATA_DEFINIDA or DATA; a punch looks for the employee's
   open rows (DATA IS NULL); the report reads an employee's punched period */
CREATE INDEX IDX_PONTO_DATA_DEFINIDA ON PONTO (DATA_DEFINIDA);
CREATE INDEX IDX_PONTO_DATA ON PONTO (DATA);
CREATE INDEX IDX_PONTO_FUNC_DATA ON PONTO (ID_FUNCIONARIO, DATA);

CREATE GENERATOR GEN_ID_PONTO;

SET TERM ^ ;
CREATE TRIGGER PONTO_BI FOR PONTO ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_PONTO IS NULL) THEN NEW.ID_PONTO = GEN_ID(GEN_ID_PONTO, 1);
END^
SET TERM ; ^

/* ------------------------------------------------------------------------
   ESCALA / ESCALA_DET: work schedules and their periods (one employee on
   duty from a start moment to an end moment). Periods of a new schedule
   are stored against its expected key before the schedule row exists.
   ------------------------------------------------------------------------ */
CREATE TABLE ESCALA (
  ID_ESCALA     INTEGER NOT NULL,
  DESCRICAO     VARCHAR(50),
  DATA_INICIO   DATE,
  HORA_INICIO   TIME,
  DATA_TERMINO  DATE,
  HORA_TERMINO  TIME,
  CONSTRAINT PK_ESCALA PRIMARY KEY (ID_ESCALA)
);

CREATE INDEX IDX_ESCALA_DESCRICAO ON ESCALA (DESCRICAO);

CREATE GENERATOR GEN_ID_ESCALA;

SET TERM ^ ;
CREATE TRIGGER ESCALA_BI FOR ESCALA ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_ESCALA IS NULL) THEN NEW.ID_ESCALA = GEN_ID(GEN_ID_ESCALA, 1);
END^
SET TERM ; ^

CREATE TABLE ESCALA_DET (
  ID_ESCALA_DET   INTEGER NOT NULL,
  ID_ESCALA       INTEGER,
  ID_FUNCIONARIO  INTEGER,
  DATA_INICIO     DATE,
  HORA_INICIO     TIME,
  DATA_TERMINO    DATE,
  HORA_TERMINO    TIME,
  CONSTRAINT PK_ESCALA_DET PRIMARY KEY (ID_ESCALA_DET)
);

/* a schedule's periods, always read in start order */
CREATE INDEX IDX_ESCALA_DET_ESCALA ON ESCALA_DET (ID_ESCALA, DATA_INICIO, HORA_INICIO);

CREATE GENERATOR GEN_ID_ESCALA_DET;

SET TERM ^ ;
CREATE TRIGGER ESCALA_DET_BI FOR ESCALA_DET ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_ESCALA_DET IS NULL) THEN NEW.ID_ESCALA_DET = GEN_ID(GEN_ID_ESCALA_DET, 1);
END^
SET TERM ; ^

/* ------------------------------------------------------------------------
   FUNCIONARIO_PAGAMENTO: the employees' book of credits ('+') and
   discounts ('-'); VALOR carries the amount, TIPO the direction.
   ID_FUNCIONARIO_PAGAMENTO is the employee (FUNCIONARIO.ID_FUNCIONARIO),
   not a key of this table. The monthly payroll inserts its salary and
   contribution rows here, and the payroll sheet and payslips read them.
   Deleting sets EXCLUIDO 'S'; DATA_PAG stays null while unpaid.
   DESCRICAO holds the counter-sale text "Despesa Avulsa Cód. <key> - "
   followed by up to 60 characters of the product (93 at most).
   ------------------------------------------------------------------------ */
CREATE TABLE FUNCIONARIO_PAGAMENTO (
  COD_GERAL_F_P             INTEGER NOT NULL,
  ID_FUNCIONARIO_PAGAMENTO  INTEGER NOT NULL,
  DATA_VENC                 DATE,
  TIPO                      CHAR(1),
  DESCRICAO                 VARCHAR(100),
  VALOR                     NUMERIC(15,2),
  DATA_PAG                  DATE,
  EXCLUIDO                  CHAR(1) DEFAULT 'N' NOT NULL,
  CONSTRAINT PK_FUNCIONARIO_PAGAMENTO PRIMARY KEY (COD_GERAL_F_P)
);

/* one employee's entries by due date (payments screen, payroll, employee
   list status); period search; the sale cancellation finds its row by
   the beginning of the description */
CREATE INDEX IDX_FUNC_PAG_FUNC_VENC ON FUNCIONARIO_PAGAMENTO (ID_FUNCIONARIO_PAGAMENTO, DATA_VENC);
CREATE INDEX IDX_FUNC_PAG_VENC ON FUNCIONARIO_PAGAMENTO (DATA_VENC);
CREATE INDEX IDX_FUNC_PAG_DESCRICAO ON FUNCIONARIO_PAGAMENTO (DESCRICAO);

CREATE GENERATOR GEN_ID_FUNCIONARIO_PAGAMENTO;

SET TERM ^ ;
CREATE TRIGGER FUNCIONARIO_PAGAMENTO_BI FOR FUNCIONARIO_PAGAMENTO ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.COD_GERAL_F_P IS NULL) THEN NEW.COD_GERAL_F_P = GEN_ID(GEN_ID_FUNCIONARIO_PAGAMENTO, 1);
END^
SET TERM ; ^
