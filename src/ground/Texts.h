#pragma once

#include <initializer_list>
#include <string>

namespace zf {

// The program's fixed texts outside the message catalogue: what the core
// shows or reports, in one table. "{1}", "{2}", ... stand for arguments.
enum class Text {
    ReadDrawsFirst,
    NoConnection,
    ConnectionFailed,
    NotAnInteger,
    IoFailure,
    IoRead,
    IoOpen,
    IoSize,
    IoCreate,
    IoClose,
    IoWriteInto,
    IoReplace,
    CannotWriteFile,
    CannotReadFile,
    DrawNumberOutOfRange,
    DreamNumberOutOfRange,
    LockedRowIncomplete,
    LockedRowsIncomplete,
    ListEnd,
    NumberListTooSmall,
    WeightNotAnInteger,
    CellNotANumber,
    NotADreamNumber,
    TipRowName,
    ChooseNumbers,
    RandomDraw,
    RandomDrawAgain,
    RandomDrawStop,
    NumberWeight,
    ValueList,
    BandLine,
    NoFileNamed,
    FileTooLarge,
    TipFileTooLarge,
    TipFileBinary,
    ListingCellNotANumber,
    ListingNotOpened,
    SlipNumberNotValid,
    SlipDreamNotValid,
    EveryTicketDrawn,
    TicketDrawnAls,
    TicketDrawnAus,
    TicketNeverDrawn,
};

// The text with its arguments put in.
std::string text(Text id, std::initializer_list<std::string> args = {});

} // namespace zf
