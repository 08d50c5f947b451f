-- Standard contents of a room, as a new stay receives them: the stock items
-- (VW_CONFERENCIA) and the minibar products (VW_CONFERENCIA_PS) of the room's
-- type and of the room itself.
--
-- A type row has ID_UH null and a room row has ID_TIPO_UH null, so a reader
-- sums an item's standard quantity for a room with
--   WHERE ID_ITEM = :ITEM AND (ID_TIPO_UH = :TIPO OR ID_UH = :UH).
-- The standard tables keep one row per addition, so the branches are joined
-- with UNION ALL: equal rows must all count.
-- Each branch leaves out what the stay form leaves out when it copies the
-- standard into a stay, so the check-out compares against what was placed.
-- Deleted keys are tested with NOT EXISTS, which a stray null in ANULACAO
-- cannot turn into an empty result.

CREATE VIEW VW_CONFERENCIA (ID_ITEM, QTD, ID_TIPO_UH, ID_UH) AS
  SELECT PI.ID_ITEM, PI.QTD, PI.ID_TIPO_UH, CAST(NULL AS INTEGER)
    FROM PADRAO_ITEM PI
   WHERE NOT EXISTS (SELECT 1 FROM ANULACAO A WHERE A.ID_ITEM = PI.ID_ITEM)
  UNION ALL
  SELECT PU.ID_ITEM, PU.QTD, CAST(NULL AS INTEGER), PU.ID_UH
    FROM PADRAO_UH PU
   WHERE NOT EXISTS (SELECT 1 FROM ANULACAO A WHERE A.ID_ITEM = PU.ID_ITEM);

-- The product key is named ID_ITEM here too, so both views read alike.
CREATE VIEW VW_CONFERENCIA_PS (ID_ITEM, QTD, ID_TIPO_UH, ID_UH) AS
  SELECT PP.ID_P_S, PP.QTD, PP.ID_TIPO_UH, CAST(NULL AS INTEGER)
    FROM PADRAO_PS PP
    JOIN PRODUTOS_SERVICOS PS ON PS.ID_P_S = PP.ID_P_S AND PS.EXCLUIDO = 'N'
  UNION ALL
  SELECT PU.ID_PS, PU.QTD, CAST(NULL AS INTEGER), PU.ID_UH
    FROM PADRAO_PS_UH PU
    JOIN PRODUTOS_SERVICOS PS ON PS.ID_P_S = PU.ID_PS AND PS.EXCLUIDO = 'N';
