#pragma once

#include <string_view>

#include "catalog/code_entry.h"

// Texts that entries of several IDMS describers show, each one object wherever its entries are.
namespace quenmar::catalog::idms {

inline constexpr StockText kNA{"NA"};
// The title of a major code that names no DML function of its own.
inline constexpr StockText kInvalidMajorCode{
    "Invalid Major Code. Generic Minor Code explanation is given below"};

// The generic minor codes, shown under every major code.
inline constexpr StockText kSuccessOrNoCv{
    "Indicates successful completion but nn00 indicates problems connecting to the CV "};
inline constexpr StockText kBindNotIssued{
    "Check that the program issued BIND RUN-UNIT, and BIND RECORD for each record it uses, before its first DML call and that IDMS got them. If it did, the usual cause is a SUBSCHEMA-CTRL block not on a fullword boundary."};
inline constexpr StockText kAreaNotReadied{
    "The area the statement needs has not been readied. When the record's index sits in an area of its own, that area may be missing from the READY statements, or the program was not recompiled."};
inline constexpr StockText kReadyTheObjectArea{
    "The area holding the object record is not ready for this run unit. Two causes are likely: 1) no READY for that area, or the data area is readied but not a separate index area; 2) the subschema now puts the record or its index elsewhere and the program was not rebuilt."};
inline constexpr StockText kDbkeyInconsistent{"DBKEY is inconsistent "};
inline constexpr StockText kCheckTheDbkey{
    "Check the db-key: 1) it lies outside the page range of the record's area; 2) it was never set; 3) its field was overwritten; 4) it was saved before the area was reloaded."};
inline constexpr StockText kBadOccursDependingOn{"Bad value in OCCURS DEPENDING ON "};
inline constexpr StockText kCheckDependingOn{
    "1) Check the DEPENDING ON field before the call. 2) Its value must lie between zero and the OCCURS maximum. 3) Find code that overlays it."};
inline constexpr StockText kDuplicateKey{"Duplicate Key "};
inline constexpr StockText kDuplicateKeyHints{
    "1) A CALC key, sorted set or index defined “DUPLICATES NOT ALLOWED” already holds the value. 2) Check the key built before a STORE, MODIFY or CONNECT. 3) If the data is right, the definition must allow duplicates."};
inline constexpr StockText kNoCurrency{"No Currency Established "};
inline constexpr StockText kEstablishCurrency{
    "The statement relies on a current record of a record type, set or area, but none has been established. Retrieve an owner or member first to set the currency it requires."};
inline constexpr StockText kEndOfSet{"DB-END-OF-SET "};
inline constexpr StockText kEndOfSetIsNormal{
    "This is not an error. A retrieval by NEXT or PRIOR, within a set, an area or an index, went past the last record, or the set was empty. Test for status ‘0307’ (the DB-END-OF-SET condition) after each step of such a walk and leave the loop there; any other status in the loop is the real error. Treat it as a failure only when the program expected more records."};
inline constexpr StockText kNotInSubschema{
    "The record or set named in the DML statement is not part of the subschema that the program uses, so IDMS has no description of it to act on."};
inline constexpr StockText kNotInSubschemaCauses{
    "1) The name is misspelled, or the record or set is not included in the subschema named in BIND RUN-UNIT. 2) The subschema was regenerated without it after the program was compiled. 3) The program binds another subschema at run time than the one it was compiled against. Correct the name or the subschema, then recompile the program."};
inline constexpr StockText kUpdateInRetrieval{"Tried to UPDATE when AREA READIED in RETRIEVAL "};
inline constexpr StockText kReadyForUpdate{
    "A STORE, MODIFY, ERASE, CONNECT or DISCONNECT was issued against an area that the run unit readied for retrieval, or that the subschema lets it use only for retrieval. READY the area in UPDATE usage mode (PROTECTED or EXCLUSIVE if needed) before the update, or drop the update from this path. Areas that hold owners or members of the sets involved need an update usage mode too, as their pointers change."};
inline constexpr StockText kAccessRestriction{"SUBSCHEMA ACCESS RESTRICTION "};
inline constexpr StockText kAccessRestrictionResponse{
    "The subschema in use has an access restriction against this type of DML verb."};
// The response of minor code 11, and the description of nn11.
inline constexpr StockText kInsufficientSpace{
    "Insufficient Space Time must be schedule to expand the database."};

// Extra minor codes that several major codes share.
inline constexpr StockText kRecordNotFound{"Record not found"};
inline constexpr StockText kRunUnitCurrencyMissing{"Run-unit currency not established"};
inline constexpr StockText kMakeRecordCurrent{
    "Make the record current of run unit with a FIND or OBTAIN just before the statement; an ERASE cancels that currency."};
inline constexpr StockText kLostCvDescription{
    "Usually 0069 or 1469 The run unit has lost communications with the IDMS CV. "};
inline constexpr StockText kLostCv{
    "Status 1469 comes back on BIND RUN-UNIT, and 0069 on a later call, when the run unit cannot reach the central version or has lost it. Check in this order. 1) Is the central version up? Ask operations or see the console: a batch job started while the CV was down, or while it was shutting down, gets this status at once. 2) Does the job point at the right CV? The SYSCTL data set, or the ‘CVNUMBER’ parameter in SYSIDMS, must name the system that the program is meant to use, and a job meant for central version must not run in local mode. 3) Is the CV accepting new run units? It refuses them while it is closing down, or when its limits are reached. 4) Was the run unit cancelled? The CV ends run units that wait too long or exceed their resource limits, and an operator can cancel them; the CV log states which. 5) If the status comes only after other DML calls, check that every call passes the same SUBSCHEMA-CTRL block and that nothing overwrote it."};

}  // namespace quenmar::catalog::idms
