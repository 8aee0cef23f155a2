#pragma once

#include "data/SlipPage.h"
#include "rules/Slip.h"

#include <string>

namespace zf {

class Session;

enum class PrintExit { Printed, Online, Aborted };

// The print command: fills and shows the print settings dialog; on OK takes
// over the paper format and the two shifts, builds the slip page and shows it
// in the print preview. "Online" and Abort print nothing and keep the shifts
// and the paper format as they were.
PrintExit printSlip(Session& s);
// The print mode of start-up: loads the tip file, then runs the print command.
PrintExit printTipFile(Session& s, const std::string& path);

// Before each opening: program directory, draw file, shifts, weekday preset,
// counts, cost and paper format.
void preparePrintDialog(Session& s);
// A click on one of the five boxes of the dialog: the cost again.
void updatePrintCost(Session& s);

// The slip settings the options and the dialog hold now.
SlipSettings slipSettings(const Session& s);
// The page for these settings, with the slip picture looked up beside the
// program first and then in the working directory.
SlipPage slipPage(const Session& s, const SlipSettings& settings);
std::string findSlipPicture(const std::string& home, const std::string& file);

// Ticket numbers of the dialog's rows 1..3: a new number no stored draw
// holds, and the search's message for the number a row shows.
void newTicketNumber(Session& s, int row);
std::string ticketSearch(Session& s, int row);
// The search as the row's button runs it: the message in an information box.
void searchTicketNumber(Session& s, int row);

} // namespace zf
