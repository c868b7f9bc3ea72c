#pragma once

namespace lexmint::helpcontext {

// The help topics the program asks for by number; the help registers each as "context-<number>".

inline constexpr int OptionsStartup = 15;
inline constexpr int OptionsNewVocabulary = 20;
inline constexpr int OptionsEntryForm = 21;
inline constexpr int EntryForm = 30;
inline constexpr int QuickFind = 31;
inline constexpr int TestWindow = 40;
inline constexpr int MistakeDialog = 41;
inline constexpr int ResultDialog = 42;
inline constexpr int AboutDialog = 50;
inline constexpr int Welcome = 51;
inline constexpr int KeyboardSelection = 52;
inline constexpr int PropertiesStatistics = 56;
inline constexpr int Inconsistency = 57;
inline constexpr int PropertiesOptions = 60;

inline constexpr int All[] = {
    OptionsStartup,    OptionsNewVocabulary, OptionsEntryForm, EntryForm,        QuickFind,
    TestWindow,        MistakeDialog,        ResultDialog,     AboutDialog,      Welcome,
    KeyboardSelection, PropertiesStatistics, Inconsistency,    PropertiesOptions};

} // namespace lexmint::helpcontext
