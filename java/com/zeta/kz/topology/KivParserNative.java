package com.zeta.kz.topology;

/**
 * The native methods of kivparser for the web client.
 *
 * The host program loads the library before the first call, for example with
 * {@code System.loadLibrary("kivparser")}. The methods may be called from any
 * number of threads: they share one process-wide symbol registration cache,
 * and the library serves the calls one after the other. {@link #errMsg} is
 * shared as well; after a failure on several threads at once it holds the
 * message of the failure that came last.
 */
public final class KivParserNative {
    /** The message of the last failed style sheet request; empty after a success. */
    public static String errMsg;

    private KivParserNative() {
    }

    /**
     * Returns the URL of the style sheet of the dynamic views, and generates the
     * file when {@code force} is true or when it does not exist yet.
     *
     * @param force regenerate even when the file exists
     * @param langDir the client's language directory (the style sheet always lives under C)
     * @return the URL, or null on failure with the reason in {@link #errMsg}
     */
    public static native String getStyleXMLURLandCreateIfNeeded(boolean force, String langDir);

    /**
     * Returns the URL of the largest installed bitmap of a symbol type, or the
     * default icon's URL when the symbol or its bitmaps are unknown.
     *
     * @param symClassAndType class name, a colon and type name, e.g. "Computer:Workstation"
     * @return the icon URL, never null
     */
    public static native String getIconUrl(String symClassAndType);
}
