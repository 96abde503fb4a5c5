{
 "format": "Korvo layout 1",
 "commands": [
  {
   "key": "New File",
   "kind": "plain",
   "caption": "New File",
   "group": "File",
   "shortcuts": [
    "Ctrl+N"
   ]
  },
  {
   "key": "Open File",
   "kind": "plain",
   "caption": "Open File",
   "group": "File",
   "shortcuts": [
    "Ctrl+O"
   ]
  },
  {
   "key": "Save File",
   "kind": "plain",
   "caption": "Save File",
   "group": "File",
   "category": "Sci",
   "shortcuts": [
    "Ctrl+S"
   ]
  },
  {
   "key": "Save File As",
   "kind": "plain",
   "caption": "Save File As",
   "group": "File",
   "category": "Sci"
  },
  {
   "key": "Close File",
   "kind": "plain",
   "caption": "Close File",
   "group": "File",
   "category": "Sci",
   "shortcuts": [
    "Ctrl+F4"
   ]
  },
  {
   "key": "Close All Files",
   "kind": "plain",
   "caption": "Close All Files",
   "group": "File"
  },
  {
   "key": "Load Last Workspace",
   "kind": "plain",
   "caption": "Load Last Workspace",
   "group": "File"
  },
  {
   "key": "Open Workspace",
   "kind": "plain",
   "caption": "Open Workspace",
   "group": "File"
  },
  {
   "key": "Save Workspace As",
   "kind": "plain",
   "caption": "Save Workspace As",
   "group": "File"
  },
  {
   "key": "Export To HTML",
   "kind": "plain",
   "caption": "Export To HTML",
   "group": "File",
   "category": "Sci"
  },
  {
   "key": "Print",
   "kind": "plain",
   "caption": "Print",
   "group": "File",
   "category": "Sci"
  },
  {
   "key": "Print Preview",
   "kind": "plain",
   "caption": "Print Preview",
   "group": "File",
   "category": "Sci"
  },
  {
   "key": "FileRecentFiles",
   "kind": "list",
   "caption": "Recent Files",
   "maxItems": 10
  },
  {
   "key": "FileRecentProjects",
   "kind": "list",
   "caption": "Recent Projects",
   "maxItems": 10
  },
  {
   "key": "Exit",
   "kind": "plain",
   "caption": "Exit",
   "group": "File",
   "shortcuts": [
    "Alt+F4"
   ]
  },
  {
   "key": "Undo",
   "kind": "plain",
   "caption": "Undo",
   "group": "Edit",
   "category": "SciFocus",
   "shortcuts": [
    "Ctrl+Z"
   ]
  },
  {
   "key": "Redo",
   "kind": "plain",
   "caption": "Redo",
   "group": "Edit",
   "category": "SciFocus",
   "shortcuts": [
    "Ctrl+Y"
   ]
  },
  {
   "key": "Cut",
   "kind": "plain",
   "caption": "Cut",
   "group": "Edit",
   "category": "SciFocus",
   "shortcuts": [
    "Ctrl+X"
   ]
  },
  {
   "key": "Copy",
   "kind": "plain",
   "caption": "Copy",
   "group": "Edit",
   "category": "SciFocus",
   "shortcuts": [
    "Ctrl+C"
   ]
  },
  {
   "key": "Paste",
   "kind": "plain",
   "caption": "Paste",
   "group": "Edit",
   "category": "SciFocus",
   "shortcuts": [
    "Ctrl+V"
   ]
  },
  {
   "key": "Delete",
   "kind": "plain",
   "caption": "Delete",
   "group": "Edit",
   "category": "SciFocus"
  },
  {
   "key": "Select All",
   "kind": "plain",
   "caption": "Select All",
   "group": "Edit",
   "category": "SciFocus",
   "shortcuts": [
    "Ctrl+A"
   ]
  },
  {
   "key": "Copy Private",
   "kind": "plain",
   "caption": "Copy Private",
   "group": "Edit",
   "category": "Sci",
   "shortcuts": [
    "Ctrl+Shift+C"
   ]
  },
  {
   "key": "Cycle Private",
   "kind": "plain",
   "caption": "Cycle Private",
   "group": "Edit",
   "category": "Sci",
   "shortcuts": [
    "Ctrl+Shift+V"
   ]
  },
  {
   "key": "Paste Private",
   "kind": "plain",
   "caption": "Paste Private",
   "group": "Edit",
   "category": "Sci",
   "shortcuts": [
    "Ctrl+Alt+V"
   ]
  },
  {
   "key": "Find",
   "kind": "plain",
   "caption": "Find",
   "group": "Edit",
   "category": "Sci",
   "shortcuts": [
    "Ctrl+F"
   ]
  },
  {
   "key": "Find Next",
   "kind": "plain",
   "caption": "Find Next",
   "group": "Edit",
   "category": "Sci",
   "shortcuts": [
    "F3"
   ]
  },
  {
   "key": "Find Previous",
   "kind": "plain",
   "caption": "Find Previous",
   "group": "Edit",
   "category": "Sci",
   "shortcuts": [
    "Shift+F3"
   ]
  },
  {
   "key": "Replace",
   "kind": "plain",
   "caption": "Replace",
   "group": "Edit",
   "category": "Sci",
   "shortcuts": [
    "Ctrl+H"
   ]
  },
  {
   "key": "Goto Line",
   "kind": "plain",
   "caption": "Goto Line",
   "group": "Edit",
   "category": "Sci",
   "shortcuts": [
    "Ctrl+G"
   ]
  },
  {
   "key": "Goto Function",
   "kind": "plain",
   "caption": "Goto Function",
   "group": "Edit",
   "category": "Sci"
  },
  {
   "key": "Goto Declaration",
   "kind": "plain",
   "caption": "Goto Declaration",
   "group": "Edit",
   "category": "Sci",
   "shortcuts": [
    "F12"
   ]
  },
  {
   "key": "Goto Previous Position",
   "kind": "plain",
   "caption": "Goto Previous Position",
   "group": "Edit",
   "category": "Sci",
   "shortcuts": [
    "Alt+Left"
   ]
  },
  {
   "key": "Goto Next Position",
   "kind": "plain",
   "caption": "Goto Next Position",
   "group": "Edit",
   "category": "Sci",
   "shortcuts": [
    "Alt+Right"
   ]
  },
  {
   "key": "Next Function",
   "kind": "plain",
   "caption": "Next Function",
   "group": "Edit",
   "category": "Sci",
   "shortcuts": [
    "Ctrl+Down"
   ]
  },
  {
   "key": "Previous Function",
   "kind": "plain",
   "caption": "Previous Function",
   "group": "Edit",
   "category": "Sci",
   "shortcuts": [
    "Ctrl+Up"
   ]
  },
  {
   "key": "Indent Selection",
   "kind": "plain",
   "caption": "Indent Selection",
   "group": "Edit",
   "category": "Sci",
   "shortcuts": [
    "Ctrl+I"
   ]
  },
  {
   "key": "UnIndent Selection",
   "kind": "plain",
   "caption": "UnIndent Selection",
   "group": "Edit",
   "category": "Sci",
   "shortcuts": [
    "Ctrl+Shift+I"
   ]
  },
  {
   "key": "Auto Indent Selection",
   "kind": "plain",
   "caption": "Auto Indent Selection",
   "group": "Edit",
   "category": "Sci"
  },
  {
   "key": "Auto Indent Function",
   "kind": "plain",
   "caption": "Auto Indent Function",
   "group": "Edit",
   "category": "Sci"
  },
  {
   "key": "Complete Scope",
   "kind": "plain",
   "caption": "Complete Scope",
   "group": "Edit",
   "category": "Sci",
   "shortcuts": [
    "Ctrl+E"
   ]
  },
  {
   "key": "Comment Selection",
   "kind": "plain",
   "caption": "Comment Selection",
   "group": "Edit",
   "category": "Sci",
   "shortcuts": [
    "Ctrl+Q"
   ]
  },
  {
   "key": "UnComment Selection",
   "kind": "plain",
   "caption": "UnComment Selection",
   "group": "Edit",
   "category": "Sci",
   "shortcuts": [
    "Ctrl+Shift+Q"
   ]
  },
  {
   "key": "Block From Selection",
   "kind": "plain",
   "caption": "Block From Selection",
   "group": "Edit",
   "category": "Sci"
  },
  {
   "key": "Convert To Upper Case",
   "kind": "plain",
   "caption": "Convert To Upper Case",
   "group": "Edit",
   "category": "Sci",
   "shortcuts": [
    "Ctrl+Shift+U"
   ]
  },
  {
   "key": "Convert To Lower Case",
   "kind": "plain",
   "caption": "Convert To Lower Case",
   "group": "Edit",
   "category": "Sci",
   "shortcuts": [
    "Ctrl+U"
   ]
  },
  {
   "key": "Toggle Bookmark",
   "kind": "plain",
   "caption": "Toggle Bookmark",
   "group": "Edit",
   "category": "Sci",
   "shortcuts": [
    "Ctrl+F2"
   ]
  },
  {
   "key": "Previous Bookmark",
   "kind": "plain",
   "caption": "Previous Bookmark",
   "group": "Edit",
   "category": "Sci",
   "shortcuts": [
    "Shift+F2"
   ]
  },
  {
   "key": "Next Bookmark",
   "kind": "plain",
   "caption": "Next Bookmark",
   "group": "Edit",
   "category": "Sci",
   "shortcuts": [
    "F2"
   ]
  },
  {
   "key": "Clear All Bookmarks",
   "kind": "plain",
   "caption": "Clear All Bookmarks",
   "group": "Edit",
   "category": "Sci"
  },
  {
   "key": "Toggle Fold",
   "kind": "plain",
   "caption": "Toggle Fold",
   "group": "Edit",
   "category": "Sci",
   "shortcuts": [
    "Ctrl+M"
   ]
  },
  {
   "key": "Fold Everything",
   "kind": "plain",
   "caption": "Fold Everything",
   "group": "Edit",
   "category": "Sci"
  },
  {
   "key": "UnFold Everything",
   "kind": "plain",
   "caption": "UnFold Everything",
   "group": "Edit",
   "category": "Sci"
  },
  {
   "key": "Fold Blocks",
   "kind": "plain",
   "caption": "Fold Blocks",
   "group": "Edit",
   "category": "Sci"
  },
  {
   "key": "UnFold Blocks",
   "kind": "plain",
   "caption": "UnFold Blocks",
   "group": "Edit",
   "category": "Sci"
  },
  {
   "key": "Fold Functions",
   "kind": "plain",
   "caption": "Fold Functions",
   "group": "Edit",
   "category": "Sci"
  },
  {
   "key": "UnFold Functions",
   "kind": "plain",
   "caption": "UnFold Functions",
   "group": "Edit",
   "category": "Sci"
  },
  {
   "key": "Fold Types",
   "kind": "plain",
   "caption": "Fold Types",
   "group": "Edit",
   "category": "Sci"
  },
  {
   "key": "UnFold Types",
   "kind": "plain",
   "caption": "UnFold Types",
   "group": "Edit",
   "category": "Sci"
  },
  {
   "key": "Projects Manager",
   "kind": "plain",
   "caption": "Projects Manager",
   "group": "View",
   "checked": 1
  },
  {
   "key": "File Explorer",
   "kind": "plain",
   "caption": "File Explorer",
   "group": "View",
   "checked": 1
  },
  {
   "key": "Code Explorer",
   "kind": "plain",
   "caption": "Code Explorer",
   "group": "View",
   "checked": 1
  },
  {
   "key": "Output Window",
   "kind": "plain",
   "caption": "Output Window",
   "group": "View",
   "checked": 1
  },
  {
   "key": "Snippets Manager",
   "kind": "plain",
   "caption": "Snippets Manager",
   "group": "View",
   "checked": 1
  },
  {
   "key": "StatusBar",
   "kind": "plain",
   "caption": "Status Bar",
   "group": "View",
   "checked": 1
  },
  {
   "key": "Functions",
   "kind": "plain",
   "caption": "Functions",
   "group": "View"
  },
  {
   "key": "Types",
   "kind": "plain",
   "caption": "Types",
   "group": "View"
  },
  {
   "key": "Arrays",
   "kind": "plain",
   "caption": "Arrays",
   "group": "View"
  },
  {
   "key": "Globals",
   "kind": "plain",
   "caption": "Globals",
   "group": "View"
  },
  {
   "key": "Constants",
   "kind": "plain",
   "caption": "Constants",
   "group": "View"
  },
  {
   "key": "Labels",
   "kind": "plain",
   "caption": "Labels",
   "group": "View"
  },
  {
   "key": "SwitchToLayout1",
   "kind": "plain",
   "caption": "Switch To Layout 1",
   "group": "View"
  },
  {
   "key": "SwitchToLayout2",
   "kind": "plain",
   "caption": "Switch To Layout 2",
   "group": "View"
  },
  {
   "key": "SwitchToLayout3",
   "kind": "plain",
   "caption": "Switch To Layout 3",
   "group": "View"
  },
  {
   "key": "SaveAsLayout1",
   "kind": "plain",
   "caption": "Save As Layout 1",
   "group": "View"
  },
  {
   "key": "SaveAsLayout2",
   "kind": "plain",
   "caption": "Save As Layout 2",
   "group": "View"
  },
  {
   "key": "SaveAsLayout3",
   "kind": "plain",
   "caption": "Save As Layout 3",
   "group": "View"
  },
  {
   "key": "ResetLayout",
   "kind": "plain",
   "caption": "Reset Layout",
   "group": "View"
  },
  {
   "key": "Insert Color",
   "kind": "plain",
   "caption": "Insert Color",
   "group": "Insert",
   "category": "Sci"
  },
  {
   "key": "Insert Filename",
   "kind": "plain",
   "caption": "Insert Filename",
   "group": "Insert",
   "category": "Sci"
  },
  {
   "key": "Insert FilePath",
   "kind": "plain",
   "caption": "Insert FilePath",
   "group": "Insert",
   "category": "Sci"
  },
  {
   "key": "HotCode For Selection",
   "kind": "plain",
   "caption": "HotCode For Selection",
   "group": "Insert",
   "category": "Sci"
  },
  {
   "key": "Apply HotCode",
   "kind": "plain",
   "caption": "Apply HotCode",
   "group": "Insert",
   "category": "Sci",
   "shortcuts": [
    "Ctrl+J"
   ]
  },
  {
   "key": "Compile and Run",
   "kind": "plain",
   "caption": "Compile and Run",
   "group": "Compile",
   "category": "Sci",
   "shortcuts": [
    "F5"
   ]
  },
  {
   "key": "Compile and Run Last",
   "kind": "plain",
   "caption": "Compile and Run Last",
   "group": "Compile",
   "category": "Sci",
   "shortcuts": [
    "Shift+F5"
   ]
  },
  {
   "key": "DebugCompile",
   "kind": "plain",
   "caption": "Debug Compile",
   "group": "Compile",
   "category": "Sci",
   "shortcuts": [
    "F6"
   ]
  },
  {
   "key": "Check For Errors",
   "kind": "plain",
   "caption": "Check For Errors",
   "group": "Compile",
   "category": "Sci",
   "shortcuts": [
    "F7"
   ]
  },
  {
   "key": "CreateExecutable",
   "kind": "plain",
   "caption": "Create Executable",
   "group": "Compile",
   "category": "Sci"
  },
  {
   "key": "Run Last Created EXE",
   "kind": "plain",
   "caption": "Run Last Created EXE",
   "group": "Compile"
  },
  {
   "key": "ProgramCommandLine",
   "kind": "plain",
   "caption": "Program Command Line",
   "group": "Compile",
   "category": "Sci"
  },
  {
   "key": "Toggle BreakPoint",
   "kind": "plain",
   "caption": "Toggle BreakPoint",
   "group": "Compile",
   "category": "Sci",
   "shortcuts": [
    "F9"
   ]
  },
  {
   "key": "New Project",
   "kind": "plain",
   "caption": "New Project",
   "group": "Project"
  },
  {
   "key": "Save This Project",
   "kind": "plain",
   "caption": "Save This Project",
   "group": "Project"
  },
  {
   "key": "Close Project",
   "kind": "plain",
   "caption": "Close Project",
   "group": "Project",
   "category": "Sci"
  },
  {
   "key": "Close This Project",
   "kind": "plain",
   "caption": "Close This Project",
   "group": "Project"
  },
  {
   "key": "Add Existing Files",
   "kind": "plain",
   "caption": "Add Existing Files",
   "group": "Project"
  },
  {
   "key": "Add New File",
   "kind": "plain",
   "caption": "Add New File",
   "group": "Project"
  },
  {
   "key": "Add Folder With Files",
   "kind": "plain",
   "caption": "Add Folder With Files",
   "group": "Project"
  },
  {
   "key": "Remove File",
   "kind": "plain",
   "caption": "Remove File",
   "group": "Project"
  },
  {
   "key": "Create Category",
   "kind": "plain",
   "caption": "Create Category",
   "group": "Project"
  },
  {
   "key": "Remove Category",
   "kind": "plain",
   "caption": "Remove Category",
   "group": "Project"
  },
  {
   "key": "Rename",
   "kind": "plain",
   "caption": "Rename",
   "group": "Project"
  },
  {
   "key": "Set As Main File",
   "kind": "plain",
   "caption": "Set As Main File",
   "group": "Project"
  },
  {
   "key": "Preferences",
   "kind": "plain",
   "caption": "Preferences",
   "group": "Settings"
  },
  {
   "key": "Editor Settings",
   "kind": "plain",
   "caption": "Editor Settings",
   "group": "Settings"
  },
  {
   "key": "Color Styles",
   "kind": "plain",
   "caption": "Color Styles",
   "group": "Settings"
  },
  {
   "key": "UI Styles",
   "kind": "plain",
   "caption": "UI Styles",
   "group": "Settings"
  },
  {
   "key": "Edit HotCodes",
   "kind": "plain",
   "caption": "Edit HotCodes",
   "group": "Settings"
  },
  {
   "key": "Next File Tab",
   "kind": "plain",
   "caption": "Next File Tab",
   "group": "Window",
   "shortcuts": [
    "Ctrl+Tab"
   ]
  },
  {
   "key": "Previous File Tab",
   "kind": "plain",
   "caption": "Previous File Tab",
   "group": "Window",
   "shortcuts": [
    "Ctrl+Shift+Tab"
   ]
  },
  {
   "key": "New Horizontal Tab Group",
   "kind": "plain",
   "caption": "New Horizontal Tab Group",
   "group": "Window"
  },
  {
   "key": "New Vertical Tab Group",
   "kind": "plain",
   "caption": "New Vertical Tab Group",
   "group": "Window"
  },
  {
   "key": "WindowList",
   "kind": "windowList",
   "caption": "Windows",
   "maxItems": 500
  },
  {
   "key": "KeywordHelp",
   "kind": "plain",
   "caption": "Keyword Help",
   "group": "Help",
   "category": "Sci",
   "shortcuts": [
    "F1"
   ]
  },
  {
   "key": "About",
   "kind": "plain",
   "caption": "About",
   "group": "Help"
  },
  {
   "key": "Insert Snippet",
   "kind": "plain",
   "caption": "Insert Snippet"
  },
  {
   "key": "New Snippet",
   "kind": "plain",
   "caption": "New Snippet"
  },
  {
   "key": "Edit Snippet",
   "kind": "plain",
   "caption": "Edit Snippet"
  },
  {
   "key": "Edit As File",
   "kind": "plain",
   "caption": "Edit As File"
  },
  {
   "key": "Delete Snippet",
   "kind": "plain",
   "caption": "Delete Snippet"
  },
  {
   "key": "Add Category",
   "kind": "plain",
   "caption": "Add Category"
  },
  {
   "key": "Refresh Snippets",
   "kind": "plain",
   "caption": "Refresh Snippets"
  },
  {
   "key": "New Line",
   "kind": "plain",
   "caption": "New Line",
   "group": "Edit",
   "category": "SciFocus",
   "shortcuts": [
    "Return",
    "Enter"
   ]
  },
  {
   "key": "Word Left",
   "kind": "plain",
   "caption": "Word Left",
   "group": "Edit",
   "category": "SciFocus",
   "shortcuts": [
    "Ctrl+Left"
   ]
  },
  {
   "key": "Word Left Extend",
   "kind": "plain",
   "caption": "Word Left Extend",
   "group": "Edit",
   "category": "SciFocus",
   "shortcuts": [
    "Ctrl+Shift+Left"
   ]
  },
  {
   "key": "Word Right",
   "kind": "plain",
   "caption": "Word Right",
   "group": "Edit",
   "category": "SciFocus",
   "shortcuts": [
    "Ctrl+Right"
   ]
  },
  {
   "key": "Word Right Extend",
   "kind": "plain",
   "caption": "Word Right Extend",
   "group": "Edit",
   "category": "SciFocus",
   "shortcuts": [
    "Ctrl+Shift+Right"
   ]
  },
  {
   "key": "Document Start",
   "kind": "plain",
   "caption": "Document Start",
   "group": "Edit",
   "category": "SciFocus",
   "shortcuts": [
    "Ctrl+Home"
   ]
  },
  {
   "key": "Document Start Extend",
   "kind": "plain",
   "caption": "Document Start Extend",
   "group": "Edit",
   "category": "SciFocus",
   "shortcuts": [
    "Ctrl+Shift+Home"
   ]
  },
  {
   "key": "Document End",
   "kind": "plain",
   "caption": "Document End",
   "group": "Edit",
   "category": "SciFocus",
   "shortcuts": [
    "Ctrl+End"
   ]
  },
  {
   "key": "Document End Extend",
   "kind": "plain",
   "caption": "Document End Extend",
   "group": "Edit",
   "category": "SciFocus",
   "shortcuts": [
    "Ctrl+Shift+End"
   ]
  },
  {
   "key": "Delete Word Left",
   "kind": "plain",
   "caption": "Delete Word Left",
   "group": "Edit",
   "category": "SciFocus",
   "shortcuts": [
    "Ctrl+Backspace"
   ]
  },
  {
   "key": "Delete Line Left",
   "kind": "plain",
   "caption": "Delete Line Left",
   "group": "Edit",
   "category": "SciFocus",
   "shortcuts": [
    "Ctrl+Shift+Backspace"
   ]
  },
  {
   "key": "Delete Word Right",
   "kind": "plain",
   "caption": "Delete Word Right",
   "group": "Edit",
   "category": "SciFocus",
   "shortcuts": [
    "Ctrl+Del"
   ]
  },
  {
   "key": "Delete Line Right",
   "kind": "plain",
   "caption": "Delete Line Right",
   "group": "Edit",
   "category": "SciFocus",
   "shortcuts": [
    "Ctrl+Shift+Del"
   ]
  },
  {
   "key": "Cut Current Line",
   "kind": "plain",
   "caption": "Cut Current Line",
   "group": "Edit",
   "category": "SciFocus",
   "shortcuts": [
    "Ctrl+L"
   ]
  },
  {
   "key": "Delete Current Line",
   "kind": "plain",
   "caption": "Delete Current Line",
   "group": "Edit",
   "category": "SciFocus",
   "shortcuts": [
    "Ctrl+Shift+L"
   ]
  },
  {
   "key": "Copy Current Line",
   "kind": "plain",
   "caption": "Copy Current Line",
   "group": "Edit",
   "category": "SciFocus",
   "shortcuts": [
    "Ctrl+Shift+T"
   ]
  },
  {
   "key": "Move Current Line Up",
   "kind": "plain",
   "caption": "Move Current Line Up",
   "group": "Edit",
   "category": "Sci",
   "shortcuts": [
    "Alt+Up"
   ]
  },
  {
   "key": "Move Current Line Down",
   "kind": "plain",
   "caption": "Move Current Line Down",
   "group": "Edit",
   "category": "Sci",
   "shortcuts": [
    "Alt+Down"
   ]
  },
  {
   "key": "Show Autocomplete",
   "kind": "plain",
   "caption": "Show Autocomplete",
   "group": "Edit",
   "category": "Sci",
   "shortcuts": [
    "Ctrl+Space"
   ]
  },
  {
   "key": "Show Calltip",
   "kind": "plain",
   "caption": "Show Calltip",
   "group": "Edit",
   "category": "Sci",
   "shortcuts": [
    "Ctrl+Shift+Space"
   ]
  },
  {
   "key": "cboCompilers",
   "kind": "combo",
   "caption": "Compilers",
   "group": "Compile"
  },
  {
   "key": "cboCommandLine",
   "kind": "combo",
   "caption": "Command Line",
   "group": "Compile",
   "editable": true
  },
  {
   "key": "File",
   "kind": "popup",
   "caption": "&File",
   "group": "Built-In Menus",
   "controls": [
    {
     "key": "New File"
    },
    {
     "key": "Open File"
    },
    {
     "key": "Save File",
     "groupStart": true
    },
    {
     "key": "Save File As"
    },
    {
     "key": "Close File",
     "groupStart": true
    },
    {
     "key": "Close All Files"
    },
    {
     "key": "Load Last Workspace",
     "groupStart": true
    },
    {
     "key": "Open Workspace"
    },
    {
     "key": "Save Workspace As"
    },
    {
     "key": "Export To HTML",
     "groupStart": true
    },
    {
     "key": "Print"
    },
    {
     "key": "Print Preview"
    },
    {
     "key": "FileRecentFiles",
     "groupStart": true
    },
    {
     "key": "FileRecentProjects",
     "groupStart": true
    },
    {
     "key": "Exit",
     "groupStart": true
    }
   ]
  },
  {
   "key": "Edit",
   "kind": "popup",
   "caption": "&Edit",
   "group": "Built-In Menus",
   "controls": [
    {
     "key": "Undo"
    },
    {
     "key": "Redo"
    },
    {
     "key": "Cut",
     "groupStart": true
    },
    {
     "key": "Copy"
    },
    {
     "key": "Paste"
    },
    {
     "key": "Delete"
    },
    {
     "key": "Select All"
    },
    {
     "key": "Copy Private",
     "groupStart": true
    },
    {
     "key": "Cycle Private"
    },
    {
     "key": "Paste Private"
    },
    {
     "key": "Find",
     "groupStart": true
    },
    {
     "key": "Find Next"
    },
    {
     "key": "Find Previous"
    },
    {
     "key": "Replace"
    },
    {
     "key": "EditingKeysPopupMenu",
     "groupStart": true
    },
    {
     "key": "Goto Line",
     "groupStart": true
    },
    {
     "key": "Goto Function"
    },
    {
     "key": "Goto Declaration"
    },
    {
     "key": "Goto Previous Position"
    },
    {
     "key": "Goto Next Position"
    },
    {
     "key": "Next Function"
    },
    {
     "key": "Previous Function"
    },
    {
     "key": "Indent Selection",
     "groupStart": true
    },
    {
     "key": "UnIndent Selection"
    },
    {
     "key": "Auto Indent Selection"
    },
    {
     "key": "Auto Indent Function"
    },
    {
     "key": "Complete Scope"
    },
    {
     "key": "Show Autocomplete"
    },
    {
     "key": "Show Calltip"
    },
    {
     "key": "Comment Selection",
     "groupStart": true
    },
    {
     "key": "UnComment Selection"
    },
    {
     "key": "Block From Selection"
    },
    {
     "key": "Convert To Upper Case",
     "groupStart": true
    },
    {
     "key": "Convert To Lower Case"
    },
    {
     "key": "Toggle Bookmark",
     "groupStart": true
    },
    {
     "key": "Previous Bookmark"
    },
    {
     "key": "Next Bookmark"
    },
    {
     "key": "Clear All Bookmarks"
    },
    {
     "key": "Toggle Fold",
     "groupStart": true
    },
    {
     "key": "Fold Everything"
    },
    {
     "key": "UnFold Everything"
    },
    {
     "key": "Fold Blocks"
    },
    {
     "key": "UnFold Blocks"
    },
    {
     "key": "Fold Functions"
    },
    {
     "key": "UnFold Functions"
    },
    {
     "key": "Fold Types"
    },
    {
     "key": "UnFold Types"
    }
   ]
  },
  {
   "key": "View",
   "kind": "popup",
   "caption": "&View",
   "group": "Built-In Menus",
   "controls": [
    {
     "key": "Projects Manager"
    },
    {
     "key": "File Explorer"
    },
    {
     "key": "Code Explorer"
    },
    {
     "key": "Output Window"
    },
    {
     "key": "Snippets Manager"
    },
    {
     "key": "StatusBar"
    },
    {
     "key": "Functions",
     "groupStart": true
    },
    {
     "key": "Types"
    },
    {
     "key": "Arrays"
    },
    {
     "key": "Globals"
    },
    {
     "key": "Constants"
    },
    {
     "key": "Labels"
    },
    {
     "key": "SwitchToLayout1",
     "groupStart": true
    },
    {
     "key": "SwitchToLayout2"
    },
    {
     "key": "SwitchToLayout3"
    },
    {
     "key": "SaveAsLayout1",
     "groupStart": true
    },
    {
     "key": "SaveAsLayout2"
    },
    {
     "key": "SaveAsLayout3"
    },
    {
     "key": "ResetLayout",
     "groupStart": true
    }
   ]
  },
  {
   "key": "Insert",
   "kind": "popup",
   "caption": "&Insert",
   "group": "Built-In Menus",
   "controls": [
    {
     "key": "Insert Color"
    },
    {
     "key": "Insert Filename"
    },
    {
     "key": "Insert FilePath"
    },
    {
     "key": "HotCode For Selection",
     "groupStart": true
    },
    {
     "key": "Apply HotCode"
    }
   ]
  },
  {
   "key": "Compile",
   "kind": "popup",
   "caption": "&Compile",
   "group": "Built-In Menus",
   "controls": [
    {
     "key": "Compile and Run"
    },
    {
     "key": "Compile and Run Last"
    },
    {
     "key": "DebugCompile"
    },
    {
     "key": "Check For Errors"
    },
    {
     "key": "CreateExecutable",
     "groupStart": true
    },
    {
     "key": "Run Last Created EXE"
    },
    {
     "key": "ProgramCommandLine",
     "groupStart": true
    },
    {
     "key": "Toggle BreakPoint"
    }
   ]
  },
  {
   "key": "Project",
   "kind": "popup",
   "caption": "&Project",
   "group": "Built-In Menus",
   "controls": [
    {
     "key": "New Project"
    },
    {
     "key": "Save This Project"
    },
    {
     "key": "Close Project"
    },
    {
     "key": "Close This Project"
    },
    {
     "key": "Add Existing Files",
     "groupStart": true
    },
    {
     "key": "Add New File"
    },
    {
     "key": "Add Folder With Files"
    },
    {
     "key": "Remove File"
    },
    {
     "key": "Create Category",
     "groupStart": true
    },
    {
     "key": "Remove Category"
    },
    {
     "key": "Rename"
    },
    {
     "key": "Set As Main File"
    }
   ]
  },
  {
   "key": "Settings",
   "kind": "popup",
   "caption": "&Settings",
   "group": "Built-In Menus",
   "controls": [
    {
     "key": "Preferences"
    },
    {
     "key": "Editor Settings"
    },
    {
     "key": "Color Styles"
    },
    {
     "key": "UI Styles"
    },
    {
     "key": "Edit HotCodes",
     "groupStart": true
    }
   ]
  },
  {
   "key": "Window",
   "kind": "popup",
   "caption": "&Window",
   "group": "Built-In Menus",
   "controls": [
    {
     "key": "Next File Tab"
    },
    {
     "key": "Previous File Tab"
    },
    {
     "key": "New Horizontal Tab Group",
     "groupStart": true
    },
    {
     "key": "New Vertical Tab Group"
    },
    {
     "key": "WindowList",
     "groupStart": true
    }
   ]
  },
  {
   "key": "Help",
   "kind": "popup",
   "caption": "&Help",
   "group": "Built-In Menus",
   "controls": [
    {
     "key": "KeywordHelp"
    },
    {
     "key": "About",
     "groupStart": true
    }
   ]
  },
  {
   "key": "EditingKeysPopupMenu",
   "kind": "popup",
   "caption": "Editing &Keys",
   "group": "Built-In Menus",
   "controls": [
    {
     "key": "New Line"
    },
    {
     "key": "Word Left"
    },
    {
     "key": "Word Left Extend"
    },
    {
     "key": "Word Right"
    },
    {
     "key": "Word Right Extend"
    },
    {
     "key": "Document Start"
    },
    {
     "key": "Document Start Extend"
    },
    {
     "key": "Document End"
    },
    {
     "key": "Document End Extend"
    },
    {
     "key": "Delete Word Left"
    },
    {
     "key": "Delete Line Left"
    },
    {
     "key": "Delete Word Right"
    },
    {
     "key": "Delete Line Right"
    },
    {
     "key": "Cut Current Line"
    },
    {
     "key": "Delete Current Line"
    },
    {
     "key": "Copy Current Line"
    },
    {
     "key": "Move Current Line Up"
    },
    {
     "key": "Move Current Line Down"
    }
   ]
  },
  {
   "key": "PopupMenu1",
   "kind": "popup",
   "caption": "Editor",
   "group": "Built-In Menus",
   "controls": [
    {
     "key": "Cut"
    },
    {
     "key": "Copy"
    },
    {
     "key": "Paste"
    },
    {
     "key": "Delete"
    },
    {
     "key": "Select All",
     "groupStart": true
    },
    {
     "key": "Goto Declaration",
     "groupStart": true
    },
    {
     "key": "KeywordHelp"
    },
    {
     "key": "Toggle Bookmark",
     "groupStart": true
    },
    {
     "key": "Toggle BreakPoint"
    },
    {
     "key": "Comment Selection",
     "groupStart": true
    },
    {
     "key": "UnComment Selection"
    }
   ]
  },
  {
   "key": "TabsContextMenu",
   "kind": "popup",
   "caption": "Tabs",
   "group": "Built-In Menus",
   "controls": [
    {
     "key": "Close File"
    },
    {
     "key": "Close All Files"
    },
    {
     "key": "New Horizontal Tab Group",
     "groupStart": true
    },
    {
     "key": "New Vertical Tab Group"
    }
   ]
  },
  {
   "key": "ProjectManagerPopupMenu",
   "kind": "popup",
   "caption": "Project Manager",
   "group": "Built-In Menus",
   "controls": [
    {
     "key": "Save This Project"
    },
    {
     "key": "Close This Project"
    },
    {
     "key": "Add Existing Files",
     "groupStart": true
    },
    {
     "key": "Add New File"
    },
    {
     "key": "Add Folder With Files"
    },
    {
     "key": "Create Category"
    },
    {
     "key": "Remove File",
     "groupStart": true
    },
    {
     "key": "Remove Category"
    },
    {
     "key": "Rename"
    },
    {
     "key": "Set As Main File"
    }
   ]
  },
  {
   "key": "SnippetsPopupMenu",
   "kind": "popup",
   "caption": "Snippets",
   "group": "Built-In Menus",
   "controls": [
    {
     "key": "Insert Snippet"
    },
    {
     "key": "New Snippet",
     "groupStart": true
    },
    {
     "key": "Edit Snippet"
    },
    {
     "key": "Edit As File"
    },
    {
     "key": "Delete Snippet"
    },
    {
     "key": "Add Category",
     "groupStart": true
    },
    {
     "key": "Refresh Snippets"
    }
   ]
  },
  {
   "key": "StatusMain",
   "kind": "pane",
   "caption": "Function",
   "picture": "Functions",
   "width": 3600
  },
  {
   "key": "Edit1",
   "kind": "textPane",
   "caption": "Quick Help",
   "stretch": true
  },
  {
   "key": "Position",
   "kind": "pane",
   "caption": "Position",
   "width": 1170
  },
  {
   "key": "StatusProgressBar",
   "kind": "progressPane",
   "caption": "Progress",
   "width": 1500,
   "visible": false
  },
  {
   "key": "StatusTime",
   "kind": "clockPane",
   "caption": "Time",
   "width": 900
  }
 ],
 "bars": [
  {
   "key": "MainMenu",
   "kind": "menuBar",
   "caption": "Menu Bar",
   "controls": [
    {
     "key": "File"
    },
    {
     "key": "Edit"
    },
    {
     "key": "View"
    },
    {
     "key": "Insert"
    },
    {
     "key": "Compile"
    },
    {
     "key": "Project"
    },
    {
     "key": "Settings"
    },
    {
     "key": "Window"
    },
    {
     "key": "Help"
    }
   ]
  },
  {
   "key": "Standard",
   "kind": "toolBar",
   "caption": "Standard",
   "controls": [
    {
     "key": "New File"
    },
    {
     "key": "Open File"
    },
    {
     "key": "Save File"
    },
    {
     "key": "Cut",
     "groupStart": true
    },
    {
     "key": "Copy"
    },
    {
     "key": "Paste"
    },
    {
     "key": "Undo",
     "groupStart": true
    },
    {
     "key": "Redo"
    },
    {
     "key": "Find",
     "groupStart": true
    },
    {
     "key": "Replace"
    }
   ]
  },
  {
   "key": "CompilerToolBar",
   "kind": "toolBar",
   "caption": "Compiler",
   "controls": [
    {
     "key": "cboCompilers"
    },
    {
     "key": "Compile and Run"
    },
    {
     "key": "DebugCompile"
    },
    {
     "key": "Check For Errors"
    }
   ]
  },
  {
   "key": "Command Line",
   "kind": "toolBar",
   "caption": "Command Line",
   "controls": [
    {
     "key": "cboCommandLine"
    }
   ]
  },
  {
   "key": "StatusBar",
   "kind": "statusBar",
   "caption": "Status Bar",
   "controls": [
    {
     "key": "StatusMain"
    },
    {
     "key": "Edit1"
    },
    {
     "key": "Position"
    },
    {
     "key": "StatusProgressBar"
    },
    {
     "key": "StatusTime"
    }
   ]
  }
 ],
 "docks": [
  {
   "key": "Projects",
   "caption": "Projects",
   "area": "left"
  },
  {
   "key": "FileExplorer",
   "caption": "File Explorer",
   "area": "left"
  },
  {
   "key": "CodeExplorer",
   "caption": "Code Explorer",
   "area": "right"
  },
  {
   "key": "Snippets",
   "caption": "Snippets Manager",
   "area": "right"
  },
  {
   "key": "Output",
   "caption": "Output window",
   "area": "bottom"
  }
 ]
}
