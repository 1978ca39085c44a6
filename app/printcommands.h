#pragma once
// File/Print and Customise/Calibrate Printer.
class TClient;

// File/Print: without a drawing window the measuring units and the drawing to print come first
// (none to choose is said so); then the print dialog, whose floors go to the print list
// CFG/PRNTLST.CFG and are printed on the printer chosen with Printer Setup (a PDF file among the
// choices) in the display mode the dialog set.
void PrintPlans(TClient& client);

// Customise/Calibrate Printer: without a drawing window the measuring units first (Cancel stops);
// then the calibration dialog of the unit system; its measured length and the scale correction
// worked out from it go to CFG/PRNTCALM.CFG or CFG/PRNTCALI.CFG.
void CalibratePrinter(TClient& client);
