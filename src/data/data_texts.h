#pragma once

#include <QString>

namespace data {

// The reasons and notes the data layer composes for the clerk, each under its number in the
// language file (001-099). The Swedish words are built in; the language side sets its own over
// them, so the data layer needs no language file to speak.
enum class DataText : int {
    // Which file operation failed: "%1" the file or folder, "%2" the reason.
    CannotOpenFile = 1,
    CannotReadFile,
    CannotWriteFile,
    CannotWriteToFile,
    CannotCreateFile,
    CannotCreateFolder,
    CannotWriteInFolder,
    CannotCopyToFile,
    CannotDeleteFile,
    // Reasons.
    FolderMissing,
    FileMissing,
    AccessDenied,
    DiskFull,
    FileIsLink,
    PathIsFolder,
    PathPartNotFolder,
    DiskReadOnly,
    FileTooLarge,
    DiskIoError,
    NotRegularFile,
    UnexpectedError,
    PathIsFolderNotFile,
    FileOverSizeLimit,
    FolderAccessDenied,
    FileReadOnly,
    FileNotReplaced,
    FileInTheWay,
    FileBusy,
    LockNotCreated,
    WriteErrorNumber,
    AccessDeniedOrNoFolder,
    RecordCutShort,
    CannotStart,
    NoSystemFiles,
    NoHomeFolder,
    // Orders.
    OrderFieldBreak,
    OrderFieldArticle,
    OrderFieldText,
    OrderFieldPrice,
    OrderFieldQuantity,
    OrderFieldUnit,
    OrderLineChanged,
    OrderFileIncomplete,
    OrderLinesDamaged,
    NumberNotReserved,
    NumbersTaken,
    NoSuchStatus,
    OrderOpenElsewhere,
    // Deliveries.
    DeliveryValueBreak,
    DeliveryLineNumber,
    DeliveriesDamaged,
    DeliveryIgnored,
    DeliveryDateInvalid,
    DeliveryQuantityInvalid,
    LineHasDeliveries,
    ArticleHasDeliveries,
    QuantityBelowDelivered,
    // Export.
    ExportIntoOwnFolder,
    // Suppliers.
    SupplierQuote,
    SupplierOneLine,
    SupplierCharacters,
    SupplierNameMissing,
    SupplierNumberMissing,
    SupplierName,
    SupplierNumber,
    SupplierNumberTaken,
    SupplierListCutShort,
    SupplierChanged,
    // The order register's problem column.
    ProblemNoDataFile,
    ProblemDataUnreadable,
    ProblemDataIncomplete,
    ProblemLinesDamaged,
    ProblemLinesUnreadable,
    ProblemEmptyEntry,
    ProblemNoNumber,
    // Typing and pasting.
    DroppedQuotesAndBreaks,
    DroppedBreaks,
};

QString dataText(DataText id);

// The numbers in order, for the language side to look up.
int firstDataTextNumber();
int lastDataTextNumber();

// Sets the text of one number over its Swedish default; an empty text brings the default back.
void setDataText(int number, const QString& text);
void resetDataTexts();

} // namespace data
