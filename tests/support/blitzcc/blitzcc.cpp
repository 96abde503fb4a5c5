// A stand-in for the Blitz compiler, for Korvo's tests and for trying Korvo
// without a Blitz installation. It compiles nothing: it prints what the
// compiler prints and ends as the compiler ends.
//
//   blitzcc [-d] [-c] [-o EXE] [+k] SOURCE [PROGRAM ARGUMENT...]
//
// It stops at once unless BLITZPATH or blitzpath names the installation.
// +k prints the keyword listing, then a line for each function that an
// enabled library (userlibs/*.decls of the installation) declares.
// Otherwise it prints the banner and the compile steps, then runs the program
// ("Linking...", "Executing...") or, with -o, writes EXE. -c stops after the
// compile steps.
//
// A source line holding ";!error MESSAGE" fails the compile: the error line
// names that line and the column of the ";", and the exit code is 255.
//
// Knobs in its environment:
//   BLITZCC_LOG=FILE         appends its pid, arguments and both variables
//   BLITZCC_EXIT=N           exit code of a run that does not fail
//   BLITZCC_SLEEP_MS=N       sleeps that long after the banner (+k: before the listing)
//   BLITZCC_STDERR=TEXT      prints TEXT as a line on standard error before it sleeps
//   BLITZCC_UNFINISHED=TEXT  prints TEXT last, without a line end
//   BLITZCC_CRLF=1           ends its lines with CR LF (the Linux port: LF)
//   BLITZCC_KEYWORDS=FILE    +k prints the bytes of FILE instead of its own listing

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kCompileError = 255;

// The language keywords, then commands in the compiler's listing shape.
constexpr const char* kListing[] = {
    "Abs", "After", "And", "Before", "Case", "Const", "Data", "Default", "Delete", "Dim", "Each", "Else", "ElseIf",
    "End", "EndIf", "Exit", "False", "Field", "First", "Float", "For", "Forever", "Function", "Global", "Gosub",
    "Goto", "Handle", "If", "Include", "Insert", "Int", "Last", "Local", "Mod", "New", "Next", "Not", "Null", "Object",
    "Or", "Pi", "Read", "Repeat", "Restore", "Return", "Sar", "Select", "Shl", "Shr", "Step", "Stop", "Str", "Then",
    "To", "True", "Type", "Until", "Wend", "While", "Xor",
    "AppTitle title$[,close_prompt$]", "RuntimeError message$", "ExecFile command$", "Delay millisecs",
    "MilliSecs ( )", "CommandLine$ ( )", "GetEnv$ ( env_var$ )", "SetEnv env_var$,value$", "CreateTimer ( hertz )",
    "WaitTimer ( timer )", "FreeTimer timer", "DebugLog message$", "Sin# ( degrees# )", "Cos# ( degrees# )",
    "Tan# ( degrees# )", "ATan2# ( y#,x# )", "Sqr# ( float# )", "Floor# ( float# )", "Ceil# ( float# )",
    "Exp# ( float# )", "Log# ( float# )", "Log10# ( float# )", "Rnd# ( from#[,to#] )", "Rand ( from[,to] )",
    "SeedRnd seed", "RndSeed ( )", "String$ ( string$,repeat )", "Left$ ( string$,count )",
    "Right$ ( string$,count )", "Replace$ ( string$,from$,to$ )", "Instr ( string$,find$[,from] )",
    "Mid$ ( string$,start[,count] )", "Upper$ ( string$ )", "Lower$ ( string$ )", "Trim$ ( string$ )",
    "LSet$ ( string$,size )", "RSet$ ( string$,size )", "Chr$ ( ascii )", "Asc ( string$ )", "Len ( string$ )",
    "Hex$ ( value )", "Bin$ ( value )", "CurrentDate$ ( )", "CurrentTime$ ( )", "CreateBank ( [size] )",
    "FreeBank bank", "BankSize ( bank )", "ResizeBank bank,size", "PeekByte ( bank,offset )",
    "PokeByte bank,offset,value", "OpenFile ( filename$ )", "ReadFile ( filename$ )", "WriteFile ( filename$ )",
    "CloseFile file_stream", "FilePos ( file_stream )", "SeekFile ( file_stream,pos )", "ReadDir ( dirname$ )",
    "NextFile$ ( dir )", "CurrentDir$ ( )", "ChangeDir dir$", "CreateDir dir$", "DeleteDir dir$",
    "FileType ( filename$ )", "FileSize ( filename$ )", "CopyFile file$,to$", "DeleteFile file$",
    "Eof ( stream )", "ReadAvail ( stream )", "ReadByte ( stream )", "ReadInt ( stream )", "ReadFloat# ( stream )",
    "ReadString$ ( stream )", "ReadLine$ ( stream )", "WriteByte stream,byte", "WriteInt stream,int",
    "WriteFloat stream,float#", "WriteString stream,string$", "WriteLine stream,string$",
    "Graphics width,height[,depth][,mode]", "GraphicsWidth ( )", "GraphicsHeight ( )", "SetBuffer buffer",
    "BackBuffer ( )", "FrontBuffer ( )", "Flip [vwait]", "Cls ", "Color red,green,blue", "ClsColor red,green,blue",
    "Plot x,y", "Line x1,y1,x2,y2", "Rect x,y,width,height[,solid]", "Oval x,y,width,height[,solid]",
    "Text x,y,string$[,center_x][,center_y]", "LoadImage ( bmpfile$ )", "DrawImage image,x,y[,frame]",
    "FreeImage image", "ImageWidth ( image )", "ImageHeight ( image )", "MidHandle image", "KeyDown ( key )",
    "KeyHit ( key )", "GetKey ( )", "WaitKey ( )", "FlushKeys ", "MouseX ( )", "MouseY ( )",
    "MouseDown ( button )", "MouseHit ( button )", "LoadSound ( filename$ )", "PlaySound ( sound )",
    "StopChannel channel", "Print [string$]", "Write string$", "Input$ ( [prompt$] )", "Locate x,y",
    "Graphics3D width,height[,depth][,mode]", "RenderWorld [tween#]", "UpdateWorld [elapsed_time#]",
    "CreateCamera ( [parent] )", "CameraRange camera,near#,far#", "CreateLight ( [type][,parent] )",
    "CreateCube ( [parent] )", "CreateSphere ( [segments][,parent] )", "LoadMesh ( file$[,parent] )",
    "PositionEntity entity,x#,y#,z#[,global]", "MoveEntity entity,x#,y#,z#", "TurnEntity entity,pitch#,yaw#,roll#",
    "RotateEntity entity,pitch#,yaw#,roll#[,global]", "ScaleEntity entity,x_scale#,y_scale#,z_scale#[,global]",
    "EntityX# ( entity[,global] )", "EntityY# ( entity[,global] )", "EntityZ# ( entity[,global] )",
    "EntityColor entity,red#,green#,blue#", "EntityAlpha entity,alpha#", "HideEntity entity", "ShowEntity entity",
    "FreeEntity entity", "EntityName$ ( entity )", "CountChildren ( entity )",
};

std::string lineEnd() {
    const char* crlf = std::getenv("BLITZCC_CRLF");
    return crlf && std::string(crlf) == "1" ? "\r\n" : "\n";
}

void writeOut(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

void say(const std::string& line) {
    writeOut(stdout, line + lineEnd());
}

std::optional<std::string> readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> all;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        all.push_back(line);
    }
    return all;
}

void logRun(int argc, char** argv) {
    const char* log = std::getenv("BLITZCC_LOG");
    if (!log)
        return;
    std::ofstream out(log, std::ios::app);
    out << "pid=" << ::getpid() << '\n';
    for (int n = 1; n < argc; ++n)
        out << "arg=" << argv[n] << '\n';
    for (const char* name : {"BLITZPATH", "blitzpath"}) {
        const char* value = std::getenv(name);
        out << name << (value ? std::string("=") + value : std::string(" unset")) << '\n';
    }
}

void complainIfAsked() {
    if (const char* text = std::getenv("BLITZCC_STDERR"))
        writeOut(stderr, std::string(text) + lineEnd());
}

void sleepIfAsked() {
    if (const char* ms = std::getenv("BLITZCC_SLEEP_MS"))
        std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(ms)));
}

int finish(int exitCode) {
    if (const char* text = std::getenv("BLITZCC_UNFINISHED"))
        writeOut(stdout, text);
    return exitCode;
}

int successCode() {
    const char* code = std::getenv("BLITZCC_EXIT");
    return code ? std::atoi(code) : 0;
}

// "Name#( a#,b )" -> "Name# ( a#,b )"; a function returning nothing reads
// "Name a#,b", as statements do.
std::optional<std::string> listingLine(const std::string& declaration) {
    const auto open = declaration.find('(');
    const auto close = declaration.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open)
        return std::nullopt;
    const std::string name = trim(declaration.substr(0, open));
    const std::string parameters = trim(declaration.substr(open + 1, close - open - 1));
    if (name.empty())
        return std::nullopt;
    if (std::string("%#$*").find(name.back()) != std::string::npos)
        return name + " ( " + parameters + " )";
    return name + " " + parameters;
}

void listUserLibraries(const fs::path& installation) {
    std::vector<fs::path> libraries;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(installation / "userlibs", error)) {
        std::string extension = entry.path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(), ::tolower);
        if (extension == ".decls")
            libraries.push_back(entry.path());
    }
    std::sort(libraries.begin(), libraries.end());
    for (const fs::path& library : libraries) {
        for (const std::string& raw : lines(readFile(library).value_or(""))) {
            const std::string line = trim(raw);
            if (line.empty() || line[0] == '.' || line[0] == ';')
                continue;
            if (const auto entry = listingLine(line))
                say(*entry);
        }
    }
}

int printKeywords(const fs::path& installation) {
    complainIfAsked();
    sleepIfAsked();
    if (const char* file = std::getenv("BLITZCC_KEYWORDS")) {
        const auto bytes = readFile(file);
        if (!bytes) {
            writeOut(stderr, std::string("Can't open ") + file + "\n");
            return 1;
        }
        writeOut(stdout, *bytes);
    } else {
        for (const char* line : kListing)
            say(line);
    }
    listUserLibraries(installation);
    return finish(successCode());
}

struct ErrorDirective {
    std::size_t line;
    std::size_t column;
    std::string message;
};

std::optional<ErrorDirective> findErrorDirective(const std::string& source) {
    const std::vector<std::string> all = lines(source);
    for (std::size_t n = 0; n < all.size(); ++n) {
        const auto at = all[n].find(";!error");
        if (at != std::string::npos)
            return ErrorDirective{n + 1, at + 1, trim(all[n].substr(at + 7))};
    }
    return std::nullopt;
}

struct Options {
    bool checkOnly = false;
    bool keywords = false;
    std::string executable;
    std::string source;
};

std::optional<Options> readOptions(int argc, char** argv) {
    Options options;
    for (int n = 1; n < argc; ++n) {
        const std::string argument = argv[n];
        // A debug run prints what a plain run prints.
        if (argument == "-d")
            continue;
        if (argument == "-c")
            options.checkOnly = true;
        else if (argument == "+k")
            options.keywords = true;
        else if (argument == "-o" && n + 1 < argc)
            options.executable = argv[++n];
        else if (argument[0] == '-' || argument[0] == '+')
            return std::nullopt;
        else {
            options.source = argument;
            break;
        }
    }
    return options;
}

int compile(const Options& options) {
    say("BlitzCC V1.99 (stand-in)");
    say("(C)opyright nobody: a stand-in for Korvo's tests");
    complainIfAsked();
    sleepIfAsked();
    say("Compiling \"" + options.source + "\"");
    const auto source = readFile(options.source);
    if (!source) {
        say("Unable to open source file");
        return finish(kCompileError);
    }
    say("Parsing...");
    if (const auto error = findErrorDirective(*source)) {
        const std::string line = std::to_string(error->line);
        const std::string column = std::to_string(error->column);
        say("\"" + options.source + "\":" + line + ":" + column + ":" + line + ":" + column + ":" + error->message);
        return finish(kCompileError);
    }
    say("Generating...");
    say("Translating...");
    say("Assembling...");
    if (options.checkOnly)
        return finish(successCode());
    if (!options.executable.empty()) {
        say("Creating executable \"" + options.executable + "\"...");
        std::ofstream(options.executable, std::ios::binary) << "stand-in executable of " << options.source << '\n';
        return finish(successCode());
    }
    say("Linking...");
    say("Executing...");
    return finish(successCode());
}

}

int main(int argc, char** argv) {
    logRun(argc, argv);
    const char* installation = std::getenv("blitzpath") ? std::getenv("blitzpath") : std::getenv("BLITZPATH");
    if (!installation) {
        say("Can't find blitzpath environment variable");
        return 1;
    }
    const auto options = readOptions(argc, argv);
    if (!options || (!options->keywords && options->source.empty())) {
        say("Usage: blitzcc [-d] [-c] [-o exefile] [+k] sourcefile.bb");
        return 1;
    }
    return options->keywords ? printKeywords(installation) : compile(*options);
}
