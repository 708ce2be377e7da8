// The string table: every text that the program loads by its resource number (unit labels,
// captions, the unit-change messages). Views and dialogs load labels from here by number.
#pragma once

#include <string_view>

namespace flowmar {

// String ids of the table that code refers to by name.
namespace strings {
inline constexpr int kResistance = 601;
inline constexpr int kAirQuantity = 603;
inline constexpr int kFanPressureSI = 605;
inline constexpr int kDensity = 607;
inline constexpr int kResistancePer1000 = 609;
inline constexpr int kLength = 611;
inline constexpr int kArea = 613;
inline constexpr int kBoosterPressureSI = 615;
inline constexpr int kPressureImperial = 616; // "(in.w.g.)", the Imperial label of both pressures
inline constexpr int kPower = 617;
inline constexpr int kCostPerYear = 619;
inline constexpr int kAirDensity = 620;
inline constexpr int kEfficiency = 622;
inline constexpr int kResistancePer1000Long = 625;
inline constexpr int kTemperature = 627;
inline constexpr int kAreaPerTime = 629;
inline constexpr int kFrictionFactor = 631;
inline constexpr int kDiameterImperial = 633;
inline constexpr int kLeakagePer100 = 634;
inline constexpr int kLeakagePer100Short = 636;
inline constexpr int kPracticalUnits = 638;
inline constexpr int kDiameterCaption = 801;
inline constexpr int kLengthCaption = 802;
inline constexpr int kFrictionFactorCaption = 803;
inline constexpr int kLeakagePer100Caption = 804; // holds "%s" for the length unit
inline constexpr int kZoneStartCaption = 805;
inline constexpr int kZoneEndCaption = 806;
inline constexpr int kZoneDiameterCaption = 807;
inline constexpr int kAreaCaption = 808;
inline constexpr int kPerimeterCaption = 809;
inline constexpr int kTotalResistanceCaption = 810;
inline constexpr int kLeakPathResistanceCaption = 811;
inline constexpr int kSegmentResistanceCaption = 812;
inline constexpr int kFaceQuantityCaption = 813;
inline constexpr int kFurthestQuantityCaption = 814;
inline constexpr int kSegmentLengthCaption = 815;
inline constexpr int kBoosterPressureCaption = 817;
inline constexpr int kZonePerimeterCaption = 818;
inline constexpr int kZoneSegmentResistanceCaption = 819;
inline constexpr int kZoneLeakResistanceCaption = 820;
inline constexpr int kRigidDuctRange = 824;
inline constexpr int kFabricDuctRange = 825;
inline constexpr int kAirDensityCaption = 827;
inline constexpr int kZoneLeakagePer100Caption = 828;
inline constexpr int kUnitsChangedDuct = 897;
inline constexpr int kUnitsChangedDatabase = 898;
inline constexpr int kFanCurveDensityCaption = 900;
inline constexpr int kDuctDetailsCaption = 32786;
inline constexpr int kShockLossCaption = 32788;
} // namespace strings

// Labels that have no string-table id, by name.
namespace labels {
// The summary forms: group titles and fixed captions.
inline constexpr std::string_view kPhysicalData = "Physical Data";
inline constexpr std::string_view kFanData = "Fan Data";
inline constexpr std::string_view kDefaultResistanceData = "Default Resistance Data";
inline constexpr std::string_view kGeneralData = "General Data";
inline constexpr std::string_view kResistanceData = "Resistance Data";
inline constexpr std::string_view kFanOrFixedQuantityData = "Fan or Fixed Quantity Data";
inline constexpr std::string_view kZones = "Zones";
inline constexpr std::string_view kDuctFanConfiguration = "Duct/Fan Configuration";
inline constexpr std::string_view kNumberOfFans = "Number of Fans";
inline constexpr std::string_view kNumberOfFixedPressureFans =
    "Number of fans tagged as fixed pressure";
inline constexpr std::string_view kNumberOfCurveFans =
    "Number of fans which have a curve specified";
inline constexpr std::string_view kNumberOfLeakagePaths = "Number Leakage Paths";
inline constexpr std::string_view kNumberOfMeshes = "Number of Meshes";
inline constexpr std::string_view kNumberOfIterations = "Number of Iterations";
inline constexpr std::string_view kTotalShockLossFactor = "Total Shock Loss Factor (C)";
inline constexpr std::string_view kFanOrFixedQuantity = "Fan or Fixed Quantity?";
inline constexpr std::string_view kZonesActive = "Zones Active?";
// The powers of ten of Imperial friction factors and leakage resistances.
inline constexpr std::string_view kTimesTenToMinusTen = "x 10^-10";
inline constexpr std::string_view kTimesTenToMinusNine = "x 10^-9";

// The program: the About box and the splash. The description holds "%s" for the Qt version.
inline constexpr std::string_view kProgramName = "Flowmar";
inline constexpr std::string_view kAboutTitle = "About Flowmar";
inline constexpr std::string_view kProgramSubject = "auxiliary ventilation ducts and fans";
inline constexpr std::string_view kAboutDescription =
    "Airflow and pressure along leaky ducts, fan operating points and booster pressures.\n"
    "Built with Qt %s.";
inline constexpr std::string_view kSplashSubtitle =
    "Auxiliary ventilation: ducts, leakage and fans";

// The small dialogs: titles, prompts and choices ("&" marks a choice's keyboard letter).
inline constexpr std::string_view kEditFan = "Edit Fan";
inline constexpr std::string_view kDeleteFan = "Delete Fan";
inline constexpr std::string_view kInputFanNumber = "Input Fan Number";
inline constexpr std::string_view kFixedQuantityTool = "Fixed Quantity Tool";
inline constexpr std::string_view kFixedFaceQuantityUse =
    "1) Fan pressure and quantity for an input fixed face quantity (assumes that the fan is "
    "remote from the face)";
inline constexpr std::string_view kFixedFanQuantityUse =
    "2) Face quantity and fan pressure for an input fixed fan quantity";
inline constexpr std::string_view kApplyFixedQuantity = "Apply? (all fans will be ignored)";
inline constexpr std::string_view kFixedQuantity = "Fixed Quantity";
inline constexpr std::string_view kFixedQuantityLocation = "Fixed Quantity Location";
inline constexpr std::string_view kFace = "Face";
inline constexpr std::string_view kFanSource = "Fan/Source";
inline constexpr std::string_view kNotepadTitle = "Flowmar Notepad";
inline constexpr std::string_view kSelectUnits = "Select Units";
inline constexpr std::string_view kSelectUnitsPrompt =
    "Please select the system of units for the model.";
inline constexpr std::string_view kImperialChoice = "&Imperial";
inline constexpr std::string_view kSIChoice = "&SI";

// The main window and its file questions.
inline constexpr std::string_view kReady = "Ready";
inline constexpr std::string_view kOpenTitle = "Open";
inline constexpr std::string_view kSaveAsTitle = "Save As";
// "<what> is not part of this version.", in the status bar.
inline constexpr std::string_view kNotInThisVersion = " is not part of this version.";
inline constexpr std::string_view kFanDatabaseView = "the fan database view";
inline constexpr std::string_view kHelpFile = "the help file";
inline constexpr std::string_view kGraphPictureFilter =
    "PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)";
// The fan dialogs and the fan database view.
inline constexpr std::string_view kAddEditFanTitle = "Add/Edit Fan";
inline constexpr std::string_view kDistanceAlongDuct = "Distance Along Duct";
inline constexpr std::string_view kFixedFanPressure = "Fixed Fan Pressure";
inline constexpr std::string_view kUseFixedPressure = "Use Fixed Pressure?";
inline constexpr std::string_view kEditFanCurve = "Edit Fan Curve";
inline constexpr std::string_view kImportFanCurve = "Import Fan Curve";
inline constexpr std::string_view kFanManufacturer = "Fan Manufacturer";
inline constexpr std::string_view kFanModel = "Fan Model";
inline constexpr std::string_view kFanSetting = "Fan Setting";
inline constexpr std::string_view kFanCurveDensity = "Fan Curve Density";
inline constexpr std::string_view kNumberOfSpecifiedPoints = "Number of Specified Points";
inline constexpr std::string_view kCurveEditorTitle = "Fan Database - Details";
inline constexpr std::string_view kFanBladeSetting = "Fan Blade/Impellor Setting";
inline constexpr std::string_view kFanCurveGrid = "Fan Curve";
inline constexpr std::string_view kClear = "Clear";
inline constexpr std::string_view kSelectFanTitle = "Select Fan to Add to Project";
inline constexpr std::string_view kFanList = "Fan List";
inline constexpr std::string_view kSelectFanNumber = "Select Fan Number to Import";
inline constexpr std::string_view kNewDocumentTitle = "New";
inline constexpr std::string_view kNewDocumentPrompt = "New";
// The Open dialog's filters beside the two document types'.
inline constexpr std::string_view kJsonModelFilter = "JSON model (*.json)";
inline constexpr std::string_view kAllFilesFilter = "All files (*)";
inline constexpr std::string_view kHelpWindowTitle = "Flowmar Help";
// The recovery dialog at start-up.
inline constexpr std::string_view kRecoveryTitle = "Recover Unsaved Work";
inline constexpr std::string_view kRecoveryIntro =
    "Flowmar did not exit normally last time. It kept copies of these documents with the edits "
    "that were not saved. Choose what to do with each:";
inline constexpr std::string_view kRecoveryDocument = "Document";
inline constexpr std::string_view kRecoveryKind = "Kind";
inline constexpr std::string_view kRecoveryFolder = "Folder";
inline constexpr std::string_view kRecoverySaved = "Copy Made";
inline constexpr std::string_view kRecoveryAction = "Action";
inline constexpr std::string_view kRecoveryNeverSaved = "(never saved)";
inline constexpr std::string_view kRecoveryDuctModel = "Duct model";
inline constexpr std::string_view kRecoveryFanDatabase = "Fan database";
// The kind of a row whose note or copy is damaged; the folder column then says why.
inline constexpr std::string_view kRecoveryCannotBeRead = "cannot be read";
inline constexpr std::string_view kRecoveryRestore = "Restore";
inline constexpr std::string_view kRecoveryKeep = "Keep for later";
inline constexpr std::string_view kRecoveryDiscard = "Discard";
inline constexpr std::string_view kRecoveryHint =
    "Restore opens the document with its edits, not yet saved: saving it writes it to its file. "
    "Keep for later asks again at the next start.";
} // namespace labels

// The text of a string-table entry; empty for an id the table does not hold.
std::string_view loadString(int id);

// The label of a quantity that has an SI and an Imperial entry whose ids differ by one
// (601/602, 603/604, ...): the SI id plus one when the unit system is not SI.
std::string_view unitLabel(int siId, int unitSystem);

// Fan pressure: "(Pa)" in SI, "(in.w.g.)" in Imperial.
std::string_view fanPressureLabel(int unitSystem);

// Booster pressure: "(kPa)" in SI, "(in.w.g.)" in Imperial.
std::string_view boosterPressureLabel(int unitSystem);

// Resistances in the summaries: "(Ns²/m^8)" in SI, "(P.U.)" in Imperial.
std::string_view practicalResistanceLabel(int unitSystem);

// Diameters: "(m)" in SI, "(in)" in Imperial.
std::string_view diameterLabel(int unitSystem);

} // namespace flowmar
