#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "catalog/code_entry.h"

namespace quenmar::catalog::cics {

// The first `count` sentences of `text`, up to and including the full stop that ends the last of
// them. A typed code shows only the opening of some texts that a picked code shows whole, and the
// two must not drift apart.
constexpr std::string_view leadingSentences(std::string_view text, std::size_t count) {
  // Walks by index: the library's find() is not a constant expression on these arrays under
  // every compiler setting the project builds with.
  std::size_t end = 0;
  for (std::size_t n = 0; n < count; ++n) {
    std::size_t i = end;
    while (i + 1 < text.size() && !(text[i] == '.' && text[i + 1] == ' ')) {
      ++i;
    }
    if (i + 1 >= text.size()) {
      return text;
    }
    end = i + 1;
  }
  return text.substr(0, end);
}

// A pane with nothing to say. ABMP in all three panes, AEY7 in System Action and User Response,
// and many describer entries.
inline constexpr StockText kNA{"NA"};

// System Action of AEIA, AEY9 and ABMG, and of many describer entries of the AB and AE codes.
inline constexpr StockText kTransactionAbendedWithCicsDump{
    "The transaction is abnormally terminated with a CICS transaction dump."};

// System Action and User Response of the 49 condition entries that the list lookup holds
// (AEID to AEY3).
inline constexpr StockText kUnhandledConditionAction{
    "CICS abnormally terminates the transaction, and produces a CICS transaction dump."};
inline constexpr StockText kUnhandledConditionResponse{
    "Change the application program either to prevent the condition recurring, to check the condition using the RESP option of the command, or to handle it with an EXEC CICS HANDLE CONDITION command. The cause of the condition is shown by the response code in EIBRESP and by the additional details in the EIBRESP2 and EIBRCODE fields of the EXEC Interface Block."};

// User Response of AEIA, picked or typed.
inline constexpr StockText kAeiaResponse{
    "Change the program so that the condition can no longer arise, or test for it with the RESP option of the command, or give it a handler with EXEC CICS HANDLE CONDITION. The EIBRESP2 and EIBRCODE fields of the EXEC Interface Block give further detail about why the condition was raised."};

// User Response of AEY9, picked or typed.
inline constexpr StockText kAey9Response{
    "Check that the system identifier and the resource names used by the command, whether coded on it or taken from resource definitions, name systems and resources that exist and are available to this region. If they are correct, tell the system programmer which function the command needs, so that its support can be installed or started before the transaction is run again."};

// Description of ABMG, picked or typed.
inline constexpr StockText kAbmgDescription{
    "The user has requested a basic mapping support (BMS) service that was not specified at system generation, or at initialization."};

// Description, System Action and User Response of AICA, picked or typed.
inline constexpr StockText kAicaDescription{
    "A task has been executing for longer than the runaway time interval without returning control to CICS. The interval is set by the ICVR system initialization parameter unless the transaction definition has its own RUNAWAY value. It may be looping."};
inline constexpr StockText kAicaAction{"The task is terminated with an AICA transaction dump."};
inline constexpr StockText kAicaResponse{
    "See the CICS Problem Determination Guide for guidance on dealing with loops."};

// AKCS. A picked code shows the whole Description and User Response, a typed one their leading
// sentences; both show the same System Action.
inline constexpr StockText kAkcsDescription{
    "The task was purged because it had been suspended for longer than its deadlock time-out interval, the DTIMOUT value of its transaction definition. It was waiting for a resource, such as storage, an enqueue, a file record or a temporary storage queue, that did not become free within that time. The wait may be a true deadlock, with another task in turn waiting for something that this task holds, or the resource may simply have been held too long or be in short supply."};
inline constexpr std::string_view kAkcsDescriptionLead = leadingSentences(kAkcsDescription, 1);
inline constexpr StockText kAkcsAction{
    "The task is abnormally terminated. A CICS transaction dump is taken, except when the transaction definition specifies DUMP(NO) or the transaction dump table entry for code AKCS suppresses the dump."};
inline constexpr StockText kAkcsResponse{
    "Re-run the transaction when the resource that it waited for is free again. As long as a deadlock time-out is specified for the transaction, this abend is to be expected now and then when tasks compete for the same resources. If it occurs often, find from the trace and the transaction dump which resource the tasks wait for, then make the programs acquire shared resources in one agreed order and hold them for a shorter time, or give the transaction a longer DTIMOUT value."};
inline constexpr std::string_view kAkcsResponseLead = leadingSentences(kAkcsResponse, 2);

// AKCT. A picked code shows the whole Description, a typed one its leading sentence; both show
// the same System Action and User Response.
inline constexpr StockText kAkctDescription{
    "The task was purged because it had waited for input from its terminal or session for longer than the read time-out interval, the RTIMOUT value of its transaction's profile. A conversational task that issues a RECEIVE or a CONVERSE command and gets no reply within that time ends this way, which frees the terminal and the resources that the task was holding."};
inline constexpr std::string_view kAkctDescriptionLead = leadingSentences(kAkctDescription, 1);
inline constexpr StockText kAkctAction{
    "The transaction is abnormally terminated. A transaction dump is not provided."};
inline constexpr StockText kAkctResponse{
    "This abend is a normal one. Coding RTIMOUT in the PROFILE entry asks for the task to be abnormally terminated if the terminal does not send input within the specified time."};

// Description, System Action and User Response of ASRA and of ASRB, picked or typed.
inline constexpr StockText kAsraDescription{
    "The task has terminated abnormally because of a program check."};
inline constexpr StockText kAsraAction{
    "The task is abnormally terminated and CICS issues either message DFHAP0001 or DFHSR0001. Message DFHSR0622 may also be issued."};
inline constexpr StockText kAsraResponse{
    "Refer to the description of the associated message or messages to determine and correct the cause of the program check."};
inline constexpr StockText kAsrbDescription{
    "An operating system abend has occurred and CICS has been able to abend the current transaction."};
inline constexpr StockText kAsrbAction{
    "The task is abnormally terminated and CICS issues either message DFHAP0001 or DFHSR0001"};
inline constexpr StockText kAsrbResponse{
    "Use the associated message, DFHAP0001 or DFHSR0001, to find the operating system abend code and the program that was in control. Look up that code in the operating system messages and codes to learn why the abend occurred, then correct the program or its environment and run the transaction again."};

// Stock texts of the whole range-describer catalogue, shown by entries of several describers.
// (The second most common System Action is kTransactionAbendedWithCicsDump above.)
inline constexpr StockText kTaskAbendedWithCicsDump{
    "The task is abnormally terminated with a CICS transaction dump."};
inline constexpr StockText kTransactionAbendedWithDump{
    "The transaction is abnormally terminated with a transaction dump."};
inline constexpr StockText kTransactionAbended{"The transaction is abnormally terminated."};
inline constexpr StockText kTaskAbendedWithDump{
    "The task is abnormally terminated with a transaction dump."};
inline constexpr StockText kCicsTerminatesTaskWithDump{
    "CICS terminates the task abnormally with a dump."};
inline constexpr StockText kCicsTerminatesTaskWithTransactionDump{
    "CICS terminates the task with a transaction dump."};
// The vendor referral: the problem needs the vendor's help, and where to read how to proceed.
inline constexpr StockText kVendorReferral{
    "You need further assistance from IBM to resolve this problem. See Part 4 of the CICS "
    "Problem Determination Guide for guidance on how to proceed."};

// The characters of `parts` one after another, as a text of N - 1 characters (N counts the
// terminating null, as joinedSize() does). Texts that repeat the referral are built from it here,
// at compile time, so that no copy of its wording can drift from the referral itself.
constexpr std::size_t joinedSize(std::span<const std::string_view> parts) {
  std::size_t size = 1;
  for (std::string_view part : parts) size += part.size();
  return size;
}
template <std::size_t N>
constexpr StockText<N> joinedText(std::span<const std::string_view> parts) {
  char text[N]{};
  std::size_t at = 0;
  for (std::string_view part : parts) {
    for (char c : part) text[at++] = c;
  }
  return StockText<N>(text);
}

// A row's own advice followed by the referral, one blank between them. Rows that give the same
// advice share the one instance.
template <StockText Advice>
inline constexpr auto kThenReferral = [] {
  constexpr std::string_view parts[] = {Advice.view(), " ", kVendorReferral.view()};
  return joinedText<joinedSize(parts)>(parts);
}();

// The referral's two sentences, for the rows that hold it altered.
inline constexpr std::string_view kReferralOpening = leadingSentences(kVendorReferral, 1);
inline constexpr std::string_view kReferralClosing =
    kVendorReferral.view().substr(kReferralOpening.size() + 1);

// AXFU: "Se" for "See".
inline constexpr std::string_view kReferralMisspeltParts[] = {kReferralOpening, " Se",
                                                              kReferralClosing.substr(3)};
inline constexpr auto kReferralMisspelt =
    joinedText<joinedSize(kReferralMisspeltParts)>(kReferralMisspeltParts);

// AZIA: two blanks before the last word.
inline constexpr std::string_view kReferralTwoBlanksParts[] = {
    kVendorReferral.view().substr(0, kVendorReferral.size() - 8), " ",
    kVendorReferral.view().substr(kVendorReferral.size() - 8)};
inline constexpr auto kReferralTwoBlanks =
    joinedText<joinedSize(kReferralTwoBlanksParts)>(kReferralTwoBlanksParts);

// ARPU, ARP4 and ARP9: the ONC RPC support is described in a guide of its own as well.
inline constexpr std::string_view kReferralWithInterfacesGuideParts[] = {
    kReferralOpening, " See the CICS External Interfaces Guide and ", kReferralClosing.substr(4)};
inline constexpr auto kReferralWithInterfacesGuide =
    joinedText<joinedSize(kReferralWithInterfacesGuideParts)>(kReferralWithInterfacesGuideParts);

// AWBI, AWBV and AWB9: the opening sentence said twice.
inline constexpr std::string_view kReferralOpeningTwiceParts[] = {kReferralOpening, " ",
                                                                  kVendorReferral.view()};
inline constexpr auto kReferralOpeningTwice =
    joinedText<joinedSize(kReferralOpeningTwiceParts)>(kReferralOpeningTwiceParts);
inline constexpr StockText kSeeDomainMessageProduced{
    "See the related message produced by the domain that detected the original error."};
inline constexpr StockText kSeeDomainMessageFrom{
    "See the related message from the domain that detected the original error."};

}  // namespace quenmar::catalog::cics
