-- Finance view of the entries chart and the receptionists ranking procedure

-- Money taken in, one row per movement with its date: closed stays on their
-- check-out date (every means, on account included), single- and
-- several-item counter sales (what was paid; employee purchases bring 0)
-- and additions to the cash register. Advance payments still held by open
-- stays are not entries yet. UNION ALL: equal amounts on the same day are
-- separate movements and must all be summed.
CREATE VIEW VW_GRAF_ENTRADA (TOTAL, DATA) AS
SELECT CAST(COALESCE(W.DINHEIRO, 0) + COALESCE(W.VISA, 0) + COALESCE(W.MASTER, 0)
          + COALESCE(W.HIPER, 0) + COALESCE(W.CHEQUE, 0) + COALESCE(W.NOTA, 0)
          + COALESCE(W.DEBVISA, 0) + COALESCE(W.DEBMASTER, 0) AS NUMERIC(15,2)),
       W.DATA_SAIDA
  FROM WALK_IN W
 WHERE W.BAIXA = 'S' AND W.EXCLUIDO = 'N'
UNION ALL
SELECT CAST(D.DINHEIRO + D.VISA + D.MASTER + D.HIPER + D.CHEQUE
          + D.DEBVISA + D.DEBMASTER AS NUMERIC(15,2)),
       D.DATA
  FROM DESPESA_AVULSA D
UNION ALL
SELECT CAST(V.DINHEIRO + V.VISA + V.MASTER + V.HIPER + V.CHEQUE
          + V.DEBVISA + V.DEBMASTER AS NUMERIC(15,2)),
       V.DATA
  FROM V_DESPESA_AVULSA V
UNION ALL
SELECT CAST(A.VALOR AS NUMERIC(15,2)), A.DATA_ADIC
  FROM ADIC_CAIXA A;


-- Stays registered by each receptionist (the login that made the check-in)
-- whose arrival date lies in [DATA1, DATA2], cancelled stays left out,
-- counted by number of guests (four or more count as quadruple, none or one
-- as single) with the money received for them. One row per receptionist.
SET TERM ^ ;
CREATE PROCEDURE SP_MEL_RECEPCIONISTAS (
  DATA1 DATE,
  DATA2 DATE)
RETURNS (
  DESCRICAO VARCHAR(10),
  QTD1      BIGINT,
  QTD2      BIGINT,
  QTD3      BIGINT,
  QTD4      BIGINT,
  VALOR     NUMERIC(15,2))
AS
BEGIN
  FOR SELECT COALESCE(W.USUARIO_ENTRADA, ''),
             SUM(IIF(COALESCE(W.QTD_ADULTOS, 0) <= 1, 1, 0)),
             SUM(IIF(W.QTD_ADULTOS = 2, 1, 0)),
             SUM(IIF(W.QTD_ADULTOS = 3, 1, 0)),
             SUM(IIF(W.QTD_ADULTOS >= 4, 1, 0)),
             SUM(COALESCE(W.DINHEIRO, 0) + COALESCE(W.VISA, 0) + COALESCE(W.MASTER, 0)
               + COALESCE(W.HIPER, 0) + COALESCE(W.CHEQUE, 0) + COALESCE(W.NOTA, 0)
               + COALESCE(W.DEBVISA, 0) + COALESCE(W.DEBMASTER, 0))
        FROM WALK_IN W
       WHERE W.EXCLUIDO = 'N'
         AND W.DATA_ENTRADA >= :DATA1
         AND W.DATA_ENTRADA <= :DATA2
       GROUP BY 1
        INTO :DESCRICAO, :QTD1, :QTD2, :QTD3, :QTD4, :VALOR
  DO
    SUSPEND;
END^
SET TERM ; ^
