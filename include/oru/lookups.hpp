#pragma once

#include <string_view>

// The lookup recorder: while one is installed, every path a panel tests for existence (the
// picture files it looks for in chbmp, the thread tables under DirSld) is handed to it first,
// exactly as the panel formed it, whether the file exists or not. Tools that must learn which
// files the panels ask for use it: the sample picture folder generator, the scripted host's log,
// the benchmarks that create every picture a set-up looks for.
//
//     std::vector<std::string> asked;
//     oru::files::SetLookupRecorder(
//         [](std::string_view formed, void* list) {
//             static_cast<std::vector<std::string>*>(list)->emplace_back(formed);
//         },
//         &asked);
//     milling.SetPasses("FR10", tabval);     // asked: "...jpeg\OP_FR10.jpg", "...bmp\OP_FR10.bmp",
//     ... oru::files::SetLookupRecorder(nullptr);
//
// Files a panel opens without testing them first (the thread and plunge pictures of the turning
// panel) are not seen. The recorder is one for the whole process and is not thread-safe: install
// it on the thread that runs the panels, and uninstall it before its context goes away. Not meant
// for hosts in production.
namespace oru::files {

using LookupRecorder = void (*)(std::string_view formed, void* context);

// Installs the recorder (nullptr uninstalls it); `context` is handed back on every call.
void SetLookupRecorder(LookupRecorder recorder, void* context = nullptr);

}  // namespace oru::files
