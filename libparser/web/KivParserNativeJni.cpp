// The native methods of com.zeta.kz.topology.KivParserNative. Built only when
// the build found a JDK (KIVPARSER_WITH_JNI); the declarations come from the
// header javac writes for the Java class.
#ifdef KIVPARSER_WITH_JNI

#include "com_zeta_kz_topology_KivParserNative.h"
#include "language/EntryGuard.h"
#include "platform/KzJava.h"
#include "kivparser/web/KivParserNative.h"

using namespace kivparser;

namespace {

jstring styleSheetUrl(JNIEnv* env, jclass cls, jboolean force, jstring langDir);
jstring iconUrl(JNIEnv* env, jstring symClassAndType);

} // namespace

// Nothing thrown in C++ may reach the virtual machine: the natives run their
// work through guarded(), which reports it and returns null.
JNIEXPORT jstring JNICALL Java_com_zeta_kz_topology_KivParserNative_getStyleXMLURLandCreateIfNeeded(
    JNIEnv* env, jclass cls, jboolean force, jstring langDir)
{
    return guarded<jstring>(nullptr, [&] { return styleSheetUrl(env, cls, force, langDir); });
}

JNIEXPORT jstring JNICALL Java_com_zeta_kz_topology_KivParserNative_getIconUrl(JNIEnv* env, jclass cls,
                                                                              jstring symClassAndType)
{
    (void)cls;
    return guarded<jstring>(nullptr, [&] { return iconUrl(env, symClassAndType); });
}

namespace {

jstring styleSheetUrl(JNIEnv* env, jclass cls, jboolean force, jstring langDir)
{
    const char* lang = javaNativeGetNonNULLStringUTFChars(env, langDir);
    char url[KIV_WEB_URL_LEN];
    char errMsg[KIV_WEB_ERRMSG_LEN];
    url[0] = '\0';
    errMsg[0] = '\0';

    jstring result = nullptr;
    if (kivParserSetStyleXMLURLandCreateIfNeeded(url, force ? 1 : 0, lang, errMsg, sizeof errMsg) == 0) {
        javaNativeSetStaticStringUseCodeset(env, cls, "errMsg", "");
        result = env->NewStringUTF(url);
    } else {
        javaNativeSetStaticStringUseCodeset(env, cls, "errMsg", errMsg);
    }
    javaNativeFreeNonNULLStringUTFChars(env, langDir, lang);
    return result;
}

jstring iconUrl(JNIEnv* env, jstring symClassAndType)
{
    const char* argument = nullptr;
    if (symClassAndType) {
        argument = env->GetStringUTFChars(symClassAndType, nullptr);
        if (!argument)
            return nullptr; // the VM ran out of memory and has thrown
    }
    char url[KIV_WEB_URL_LEN];
    kivParserGetIconUrl(url, argument ? argument : "");
    if (argument)
        env->ReleaseStringUTFChars(symClassAndType, argument);
    return env->NewStringUTF(url);
}

} // namespace

#endif
