#include "cli/CliCommands.h"
#include "cli/CommandLine.h"

#include "config/ConfigLocator.h"

#include <iostream>

namespace {

const char* const Usage =
    "usage: tolvex-cli COMMAND [ARGS]\n"
    "commands:\n"
    "  config [--dump] [CFG]    load the configuration and list its tables\n"
    "  check [--strict] [--world LIST] [--format plain|json] FILE...\n"
    "                           load area files and report what cannot be kept;\n"
    "                           --strict adds what the ROM server would refuse,\n"
    "                           --world checks the areas of an area.lst together,\n"
    "                           --format json prints the findings as a JSON array\n"
    "  convert [--dialect quendar|romdefault|romolc] [--no-mobprogs] [--rewrap] [--keep-layout] [--partial] IN OUT\n"
    "                           load IN and save it as OUT\n"
    "  dump FILE                the loaded area as JSON\n"
    "  layout [--cell N] FILE   the map position of every room\n"
    "  look [--world LIST] --room VNUM FILE [COMMAND...]\n"
    "                           what a mortal in room VNUM sees after the boot,\n"
    "                           then each COMMAND (look, exits, a direction, open,\n"
    "                           close) echoed as \"> COMMAND\" and its answer\n"
    "  render [--level L] [--cell C] [--select VNUM] FILE OUT.svg\n"
    "                           draw one level of the map as SVG\n"
    "  renumber --to LOW [--world LIST] AREA OUT\n"
    "                           move the area to the vnums from LOW on, with every\n"
    "                           reference to them; with --world, OUT is a folder\n"
    "                           for every area that changes\n"
    "  world [--json] LIST      the areas of an area.lst, their ranges and overlaps\n"
    "The area commands take --config CFG; without it tolvex.cfg is found as the editor finds it.\n"
    "Every command takes --help (-h); an option's value may follow it after '=' (--config=CFG).\n"
    "Exit status: 0 done, 1 the command failed, 2 bad usage.\n"
    "tolvex-cli --version prints the version.\n";

} // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    CCliContext context { ExecutableDir(argv[0]), std::cout, std::cerr };
    if (argc < 2) {
        std::cerr << Usage;
        return 2;
    }
    std::string command = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "--version") {
        std::cout << VersionLine;
        return 0;
    }
    if (command == "--help" || command == "-h") {
        // "--help COMMAND" is that command's help.
        if (args.empty()) {
            std::cout << Usage;
            return 0;
        }
        command = args[0];
        args = { "--help" };
    }
    using Command = int (*)(const std::vector<std::string>&, CCliContext&);
    const std::pair<const char*, Command> commands[] = {
        { "config", RunConfigCommand },
        { "check", RunCheckCommand },
        { "convert", RunConvertCommand },
        { "dump", RunDumpCommand },
        { "layout", RunLayoutCommand },
        { "look", RunLookCommand },
        { "render", RunRenderCommand },
        { "renumber", RunRenumberCommand },
        { "world", RunWorldCommand },
    };
    for (const auto& c : commands)
        if (command == c.first)
            return c.second(args, context);
    std::cerr << "tolvex-cli: unknown command '" << command << "'\n"
              << Usage;
    return 2;
}
