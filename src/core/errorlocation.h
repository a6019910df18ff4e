// The locations the error report names for each trapped procedure.
#pragma once

// Where a trapped procedure failed, as the error report names it: "in ", the project
// identifier with its build date, module, procedure and a trailing blank. The texts are
// kept exactly, including the lower-case "picture1" of two preview handlers.
namespace bw::ErrorLocation {

// What every location begins with: "in ", the project identifier and its build date.
inline constexpr char kPrefix[] = "in Quillmere2021/08/31.";

inline constexpr char Form1_Form_Load[] = "in Quillmere2021/08/31.Form1.Form_Load ";
inline constexpr char Form1_Form_QueryUnload[] = "in Quillmere2021/08/31.Form1.Form_QueryUnload ";
inline constexpr char Form1_PushButton1_Click[] = "in Quillmere2021/08/31.Form1.PushButton1_Click ";
inline constexpr char Form1_PushButton2_Click[] = "in Quillmere2021/08/31.Form1.PushButton2_Click ";
inline constexpr char Form1_PushButton3_Click[] = "in Quillmere2021/08/31.Form1.PushButton3_Click ";
inline constexpr char Form1_PushButton6_Click[] = "in Quillmere2021/08/31.Form1.PushButton6_Click ";
inline constexpr char Form1_PushButton7_Click[] = "in Quillmere2021/08/31.Form1.PushButton7_Click ";
inline constexpr char Form1_PushButton22_Click[] =
    "in Quillmere2021/08/31.Form1.PushButton22_Click ";
inline constexpr char MileageLog_GenerateReport0[] =
    "in Quillmere2021/08/31.MileageLog.GenerateReport0 ";
inline constexpr char Excel1_saveCellsActivesheet[] =
    "in Quillmere2021/08/31.Excel1.saveCellsActivesheet ";
inline constexpr char Form2_Form_Load[] = "in Quillmere2021/08/31.Form2.Form_Load ";
inline constexpr char Form2_Form_Activate[] = "in Quillmere2021/08/31.Form2.Form_Activate ";
inline constexpr char Form2_PushButton1_Click[] = "in Quillmere2021/08/31.Form2.PushButton1_Click ";
inline constexpr char Form2_PushButton2_Click[] = "in Quillmere2021/08/31.Form2.PushButton2_Click ";
inline constexpr char Form2_RedrawImage[] = "in Quillmere2021/08/31.Form2.RedrawImage ";
inline constexpr char Form2_picture1_MouseDown[] =
    "in Quillmere2021/08/31.Form2.picture1_MouseDown ";
inline constexpr char Form2_picture1_MouseMove[] =
    "in Quillmere2021/08/31.Form2.picture1_MouseMove ";
inline constexpr char Form2_Picture1_MouseUp[] = "in Quillmere2021/08/31.Form2.Picture1_MouseUp ";
inline constexpr char Form2_PushButton6_Click[] = "in Quillmere2021/08/31.Form2.PushButton6_Click ";
inline constexpr char Form2_PushButton8_Click[] = "in Quillmere2021/08/31.Form2.PushButton8_Click ";
inline constexpr char Form2_Form_QueryUnload[] = "in Quillmere2021/08/31.Form2.Form_QueryUnload ";
inline constexpr char Form2_mnuPrint_Click[] = "in Quillmere2021/08/31.Form2.mnuPrint_Click ";

} // namespace bw::ErrorLocation
