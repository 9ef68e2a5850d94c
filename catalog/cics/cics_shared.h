#pragma once

#include "catalog/code_entry.h"

namespace quenmar::catalog::cics {

// Texts that rows of two or more range describers show alike. Each is one object, so that the
// rows of every describer point at the same characters; a constant is named after the first code
// that shows it, taking the describers in the order in which the lookups call them. Texts that
// the whole catalogue shares live in cics_stock.h.

// User Response of AACA, AXFI, AXFO, AXFP, AXFR, AXFS and AXFT.
inline constexpr StockText kAacaResponse{"Notify the system programmer."};

// User Response of AAMI and ATC3, System Action of ACQA, ACQB, ACQC, AD2S, AD2T, AD2U and APUI:
// these rows empty the pane.
inline constexpr StockText kAamiResponse{""};

// Description of AAOD, AAOE, AAOF, AAO5, ABLA and AJCE.
inline constexpr StockText kAaodDescription{
    "The task was purged while a GETMAIN request to the storage manager (SM) domain was under way, so no storage was allocated. The domain that first noticed the purge writes an exception trace entry."};

// Description, System Action and User Response of ABRR and APXA.
inline constexpr StockText kAbrrDescription{
    "The 3270 bridge ended the user transaction that it was running on behalf of a client, because CICS could not go on driving the transaction through its bridge facility. The trace entries written just before the abend show which request failed."};
inline constexpr StockText kAbrrAction{
    "The user transaction that runs under the bridge is abnormally terminated with a CICS transaction dump."};
inline constexpr StockText kAbrrResponse{
    "Use the transaction dump and the bridge trace entries to find which request failed, then correct the client, the bridge exit or the user transaction as the cause requires, and run the request again."};

// Description and User Response of ABXU and ACND.
inline constexpr StockText kAbxuDescription{
    "The CICS data conversion program, DFHCCNV, could not convert the data that came with a request from the code page of the system that sent it into the code page of this region, using the conversion templates of the DFHCNV table."};
inline constexpr StockText kAbxuResponse{
    "Compare the DFHCNV templates for the resource that the request names with the layout and code page of the data that the client really sends. Correct the templates or the client program, reassemble the DFHCNV table if it was changed, and run the request again."};

// Description and User Response of ABXV and ACNC.
inline constexpr StockText kAbxvDescription{
    "The CICS data conversion program, DFHCCNV, could not find what it needed in the conversion table DFHCNV to convert the data of a request: the table could not be used, or it holds no template for the resource that the request names."};
inline constexpr StockText kAbxvResponse{
    "Make sure that a DFHCNV table assembled for this release of CICS is in a library from which the region loads its programs, and that it holds a template for every resource whose data is exchanged with clients that work in another code page."};

// Description of ACSG, ACTL, AETG, AETI and AICJ.
inline constexpr StockText kAcsgDescription{
    "A request to another CICS domain failed: the domain returned an INVALID or DISASTER response, or an EXCEPTION response that the caller did not expect. The domain that detected the original error issues a console message and writes an exception trace entry, and may also take a system dump."};

// User Response of ACSH, AXTL and AZCI; the list that it announces is not part of the text.
inline constexpr StockText kAcshResponse{"Check that:"};

// System Action of ADDA, ADDB, ADDC, AEMB and AEMQ.
inline constexpr StockText kAddaAction{
    "The task is abnormally terminated with a CICS transaction dump (depending on the options in the dump table)."};

// Description of ADDC and AEMB.
inline constexpr StockText kAddcDescription{
    "A call that CICS made to one of its domains ended with an INVALID or DISASTER response, or with an EXCEPTION response that was not expected. The domain that found the error writes an exception trace entry and a console message, and takes a system dump if its dump table entry asks for one."};

// User Response of AEMP, AEMQ, AETF, AETH, AICH and AISV.
inline constexpr StockText kAempResponse{
    "Investigate why the task was purged. Either the master terminal operator cancelled it while it was waiting, or CICS purged it itself because the task had been suspended for longer than the deadlock time-out interval that the definition of its transaction permits."};

// Description of AETF, AETH and AICH.
inline constexpr StockText kAetfDescription{
    "The task was purged before a request that it had made to another CICS domain had finished, so the request did not complete normally. The domain that first found the purge records it in an exception trace entry."};

// User Response of AII3, AISH, AISR, AZCO, AZCU, AZVF, AZVN, AZVO, ASDA, ASH3, ASOA, ATCA and AWB8;
// System Action of ARPU and ARP9.
inline constexpr StockText kAii3Response{"None."};

// User Response of AJCE and AJCU, and of the purge abends AAO5, ABLA, AEXY and AICG.
inline constexpr StockText kAjceResponse{
    "Find out why the task was purged. Either the master terminal operator purged it by means of a CEMT SET TASK PURGE command, or it was purged by a deadlock time-out because it had been suspended for longer than the DTIMOUT interval that its transaction definition states."};

// User Response of APLR, APL9 and ASPO, System Action of ARPJ and ASPO, both panes of APLS to APLW.
inline constexpr StockText kAplrResponse{"AN"};

// System Action of ARXA, ARXB, ARXC and of four rows of the AS and AT codes, ASCR among them.
inline constexpr StockText kArxaAction{
    "The transaction is terminated with a CICS transaction dump."};

}  // namespace quenmar::catalog::cics
