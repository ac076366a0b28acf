#pragma once
// The module's static initialisation and teardown: the module folder
// string, then the page state, are made when the library is loaded; at
// unload the page state goes first, then the string.
class CModuleData;

// The page state object made at static initialisation; null after teardown.
CModuleData* GetStaticModuleData();
