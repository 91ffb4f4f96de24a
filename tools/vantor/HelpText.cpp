#include "tools/vantor/HelpText.h"

namespace vantor::cli {
namespace {

constexpr std::string_view kProgramHelp = R"(Usage: vantor COMMAND [OPTION]... FILE...
Check, convert and show CANopen device descriptions (EDS and DCF files).

Commands:
  check FILE...      check EDS or DCF files; every problem is printed as
                     FILE:LINE: error: [SECTION] KEY: reason  or
                     FILE:LINE: warning: [SECTION] KEY: reason, sorted by line
  convert IN OUT     convert between EDS text, DCF text and saved descriptions
  info FILE          show vendor, product, identity values and object counts

Options of check:
      --strict         count warnings like errors in the exit status
      --format FORMAT  text (default) or json: one JSON document for all files

Options of convert:
      --dcf            write DCF text with the commissioning values given
      --node-id N      node id of the DCF, 1 to 127
      --baud RATE      bit rate of the DCF in kbit/s: 10, 20, 50, 100, 125,
                       250, 500, 800 or 1000

Options of info:
      --objects        list every object with index, type, access and name
      --format FORMAT  text (default) or json

Other options:
  -h, --help           show this help; after a command, the command's help
  -V, --version        show the version

Errors are the values that the import cannot take. Warnings are what it
accepts in silence: object lists that disagree with the object sections,
counts (SupportedObjects, NrOfEntries, Lines, NrOfSeg, SubNumber) that
disagree with the entries, duplicate sections and keys, a DefaultValue outside
LowLimit/HighLimit or its data type's range, and PDO mapping entries that
point at missing or unmappable objects.

IN of convert is EDS or DCF text or a saved description (a compound file,
recognised by its signature). OUT is EDS text, DCF text with --dcf, or a saved
description when it ends in .vdsc. OUT is written through a temporary file
and renamed into place; IN is never overwritten.

On a terminal, imports and exports show a progress bar on standard error.

Exit status:
  0  no errors (warnings are allowed unless --strict is given)
  1  a file has errors
  2  a file cannot be read or written, or the command line is wrong

Examples:
  vantor check *.eds
  vantor check --format json device.eds
  vantor convert device.eds device.dcf --dcf --node-id 5 --baud 500
  vantor convert device.eds device.vdsc
  vantor info --objects device.eds
)";

constexpr std::string_view kCheckHelp = R"(Usage: vantor check [--strict] [--format text|json] FILE...
Check EDS or DCF files. Every problem is printed as
  FILE:LINE: error: [SECTION] KEY: reason
  FILE:LINE: warning: [SECTION] KEY: reason
sorted by line. Errors are the values that the import cannot take; warnings
are what it accepts in silence.

      --strict         count warnings like errors in the exit status
      --format FORMAT  text (default) or json: one JSON document for all files
  -h, --help           show this help

Exit status: 0 no errors, 1 a file has errors (or warnings with --strict),
2 a file cannot be read or the command line is wrong.
)";

constexpr std::string_view kConvertHelp = R"(Usage: vantor convert IN OUT [--dcf] [--node-id N] [--baud RATE]
Convert a description. IN is EDS or DCF text or a saved description (a
compound file). OUT is EDS text, DCF text with --dcf, or a saved description
when it ends in .vdsc. OUT is written through a temporary file and renamed into
place; IN is never overwritten.

      --dcf            write DCF text with the commissioning values given
      --node-id N      node id of the DCF, 1 to 127
      --baud RATE      bit rate of the DCF in kbit/s: 10, 20, 50, 100, 125,
                       250, 500, 800 or 1000
  -h, --help           show this help

Exit status: 0 converted, 1 converted but IN has errors (they are listed),
2 nothing written (IN cannot be read, OUT cannot be written, or the command
line is wrong).
)";

constexpr std::string_view kInfoHelp = R"(Usage: vantor info [--objects] [--format text|json] FILE
Show the vendor, product and identity values of a description (EDS or DCF
text or a saved description), the number of mandatory, optional and
manufacturer objects, of receive and transmit PDOs and of dynamic segments.

      --objects        list every object with index, type, access and name
      --format FORMAT  text (default) or json
  -h, --help           show this help

Exit status: 0 shown, 2 the file cannot be read or the command line is wrong.
)";

}  // namespace

std::string_view HelpText(Command command) {
    switch (command) {
        case Command::Check: return kCheckHelp;
        case Command::Convert: return kConvertHelp;
        case Command::Info: return kInfoHelp;
        default: return kProgramHelp;
    }
}

std::string_view VersionText() {
    return "vantor (Vantor) " VANTOR_VERSION "\n"
           "Checks, converts and shows CANopen device descriptions with libvantor.\n";
}

std::string_view TryHelpText(Command command) {
    switch (command) {
        case Command::Check: return "Try 'vantor check --help'.\n";
        case Command::Convert: return "Try 'vantor convert --help'.\n";
        case Command::Info: return "Try 'vantor info --help'.\n";
        default: return "Try 'vantor --help'.\n";
    }
}

}  // namespace vantor::cli
